#include "ChargeurAide.h"

#include <QList>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <utility>
#include <vector>

namespace lunespiral {

namespace {

bool lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool alphanumerique(char c) {
    return lettre(c) || (c >= '0' && c <= '9');
}

bool parmi(const QByteArray& nom, std::initializer_list<const char*> noms) {
    return std::any_of(noms.begin(), noms.end(), [&](const char* n) { return nom == n; });
}

// Elements without content: never open.
bool vide(const QByteArray& nom) {
    return parmi(nom, {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
                       "param", "source", "track", "wbr"});
}

} // namespace

namespace {

// Nesting as the tags show it: an element is open until its closing tag, or until one that Qt
// closes it by (a second <li>, a <td> after a <td>). Qt parses some broken HTML otherwise, so
// this only spares its parser hopeless files; the document it makes is measured after.
bool tropDeBalises(const QByteArray& html) {
    QList<QByteArray> ouverts;
    int balises = 0;
    auto fermerTantQue = [&](std::initializer_list<const char*> noms) {
        while (!ouverts.isEmpty() && parmi(ouverts.last(), noms)) ouverts.removeLast();
    };
    const QByteArrayView v(html);
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        i = html.indexOf('<', i);
        if (i < 0) break;
        if (v.sliced(i).startsWith("<!--")) {
            const qsizetype fin = html.indexOf("-->", i + 4);
            i = fin < 0 ? n : fin + 3;
            continue;
        }
        const bool fermante = i + 1 < n && html[i + 1] == '/';
        qsizetype j = i + (fermante ? 2 : 1);
        if (j >= n || !lettre(html[j])) {
            ++i; // "<!DOCTYPE", "<?", or a lone "<" in the text
            continue;
        }
        const qsizetype debutNom = j;
        while (j < n && alphanumerique(html[j])) ++j;
        const QByteArray nom = html.mid(debutNom, j - debutNom).toLower();
        // The end of the tag, past quoted attribute values.
        char guillemet = 0;
        bool autoFermee = false;
        for (; j < n; ++j) {
            const char c = html[j];
            if (guillemet) {
                if (c == guillemet) guillemet = 0;
            } else if (c == '"' || c == '\'') {
                guillemet = c;
            } else if (c == '>') {
                autoFermee = html[j - 1] == '/';
                break;
            }
        }
        i = j + 1;

        if (fermante) {
            const qsizetype k = ouverts.lastIndexOf(nom);
            if (k >= 0) ouverts.resize(k);
            continue;
        }
        if (++balises > balisesMaxAide) return true;
        if (vide(nom) || autoFermee) continue;
        if (nom == "p")
            fermerTantQue({"p"});
        else if (nom == "li")
            fermerTantQue({"li", "p"});
        else if (nom == "dt" || nom == "dd")
            fermerTantQue({"dt", "dd", "p"});
        else if (nom == "tr")
            fermerTantQue({"tr", "td", "th", "p"});
        else if (nom == "td" || nom == "th")
            fermerTantQue({"td", "th", "p"});
        else if (nom == "option")
            fermerTantQue({"option"});
        ouverts.append(nom);
        if (ouverts.size() > imbricationMaxAide) return true;
    }
    return false;
}

// A document that loads nothing: Qt reads a style sheet while it parses.
class DocumentMesure : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return QByteArray(); }
};

// The characters of the document, each counted twice for every table it is in.
qint64 coutDeMiseEnPage(const QTextDocument& document) {
    qint64 cout = 0;
    std::vector<std::pair<QTextFrame*, int>> cadres{{document.rootFrame(), 0}};
    while (!cadres.empty()) {
        auto [cadre, tables] = cadres.back();
        cadres.pop_back();
        if (qobject_cast<QTextTable*>(cadre) && ++tables > 30) return coutMaxAide + 1;
        for (auto it = cadre->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* enfant = it.currentFrame())
                cadres.emplace_back(enfant, tables);
            else
                cout += static_cast<qint64>(it.currentBlock().length()) << tables;
            if (cout > coutMaxAide) return cout;
        }
    }
    return cout;
}

} // namespace

DefautAide examinerAide(const QByteArray& html) {
    if (html.size() > tailleMaxAide) return DefautAide::TropGrand;
    if (tropDeBalises(html)) return DefautAide::TropComplexe;
    DocumentMesure document;
    document.setHtml(QString::fromUtf8(html));
    return coutDeMiseEnPage(document) > coutMaxAide ? DefautAide::TropComplexe : DefautAide::Aucun;
}

QString ressourceAdmise(const QString& dossierAide, const QUrl& nom) {
    if (!nom.isRelative() || !nom.host().isEmpty() || nom.hasQuery() || nom.hasFragment())
        return {};
    const QString fichier = nom.path();
    if (fichier.isEmpty() || fichier == QLatin1String(".") || fichier == QLatin1String("..") ||
        fichier.contains(QLatin1Char('/')) || fichier.contains(QLatin1Char('\\')) ||
        fichier.contains(QChar(0)))
        return {};
    return dossierAide + fichier;
}

GenreLien genreDeLien(const QUrl& lien) {
    const QString schema = lien.scheme().toLower();
    if (schema == QLatin1String("http") || schema == QLatin1String("https"))
        return lien.host().isEmpty() ? GenreLien::Refuse : GenreLien::Externe;
    if (lien.isRelative() && lien.path().isEmpty() && lien.hasFragment() && !lien.hasQuery())
        return GenreLien::Ancre;
    return GenreLien::Refuse;
}

} // namespace lunespiral
