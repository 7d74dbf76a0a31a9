#include "LectureAffichee.h"

#include "EtatTirage.h"
#include "Globales.h"
#include "Langue.h"
#include "Libelles.h"
#include "PlanLecture.h"

#include <QLocale>

namespace lunespiral {

namespace {

QString texte(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// "mardi 8 décembre 2026, 14 h 05"; in English as the user's English locale writes it.
QString dateLue(const QDateTime& quand, int l) {
    if (l != langueAnglais)
        return QLocale(QLocale::French, QLocale::France)
                   .toString(quand.date(), QStringLiteral("dddd d MMMM yyyy")) +
               quand.toString(QStringLiteral(", H' h 'mm"));
    const QLocale systeme = QLocale::system();
    const QLocale ici = systeme.language() == QLocale::English
                            ? systeme
                            : QLocale(QLocale::English, QLocale::UnitedKingdom);
    return ici.toString(quand.date(), QLocale::LongFormat) + QStringLiteral(", ") +
           ici.toString(quand.time(), QLocale::ShortFormat);
}

} // namespace

std::optional<LectureImprimee> lectureAffichee(const EtatTirage& etat, int langue, bool surLEcran,
                                               const QDateTime& quand) {
    if (!etat.tirageTermine() || !surLEcran) return std::nullopt;
    const int l = langueParlee(langue);
    const PlanLecture plan = planDeLaLecture(etat, l);

    LectureImprimee lecture;
    switch (plan.type) {
    case TypeTirage::EnCroix:
        lecture.disposition = LectureImprimee::Disposition::Croix;
        break;
    case TypeTirage::DixMaisons:
        lecture.disposition = LectureImprimee::Disposition::Maisons;
        break;
    case TypeTirage::Bohemiens:
        lecture.disposition = LectureImprimee::Disposition::Bohemiens;
        break;
    case TypeTirage::Aucun:
        return std::nullopt;
    }
    lecture.langue = l;
    lecture.titre = texte(plan.titre);
    lecture.date = dateLue(quand, l);
    for (std::size_t i = 0; i < plan.places.size(); ++i) {
        const PlaceLue& p = plan.places[i];
        QString legende = texte(p.role);
        if (plan.type == TypeTirage::DixMaisons)
            legende = versQString(nomMaison(static_cast<int>(i) + 1, l));
        else if (plan.type == TypeTirage::Bohemiens)
            legende = texte(p.place);
        lecture.cartes.push_back({p.carte, texte(nomCarteLu(p.carte, l)), legende});
    }
    for (const SectionLue& s : plan.sections) {
        LectureImprimee::Section section{texte(s.titre), {}, {}};
        for (int carte : s.cartes)
            section.cartes += (section.cartes.isEmpty() ? QString() : QStringLiteral(" + ")) +
                              texte(nomCarteLu(carte, l));
        for (const PassageLu& p : s.passages)
            section.passages.push_back({texte(p.titre),
                                        p.carte ? texte(nomCarteLu(p.carte, l)) : QString(),
                                        texte(p.texte)});
        lecture.sections.push_back(std::move(section));
    }
    if (etat.numerosAffiches()) {
        lecture.numeros = texte(etat.texteNumerosChance());
        lecture.descriptionNumeros = versQString(etat.descriptionNumerosChance(l));
    }
    lecture.titreNumeros = texte(titreNumerosLu(l));
    return lecture;
}

} // namespace lunespiral
