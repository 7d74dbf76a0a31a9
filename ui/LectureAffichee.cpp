#include "LectureAffichee.h"

#include "Globales.h"
#include "Langue.h"
#include "Libelles.h"
#include "Panneau.h"
#include "PlanLecture.h"
#include "spiral.h"

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

std::optional<LectureImprimee> lectureAffichee(const TfrmLunespiral& fenetre,
                                               const QDateTime& quand) {
    const EtatTirage& etat = etatTirage();
    // A reading stays in the state after "Nouveau tirage": only the one on screen counts.
    const auto* choix = fenetre.findChild<QWidget*>(QStringLiteral("panelSelectionTirage"));
    if (!etat.tirageTermine() || !choix || choix->isVisible()) return std::nullopt;
    const int l = langue == langueAnglais ? langueAnglais : langueFrancais;
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
    // Today the lucky numbers live only in the information field, with their description as
    // its hint, while the "N" button is down.
    const auto* informations = fenetre.findChild<Panneau*>(QStringLiteral("panelInformations"));
    if (informations && fenetre.SBNumerosDeLaChance()->isVisible() &&
        fenetre.SBNumerosDeLaChance()->isChecked()) {
        lecture.numeros = informations->text();
        lecture.descriptionNumeros = informations->toolTip();
    }
    lecture.titreNumeros = texte(titreNumerosLu(l));
    return lecture;
}

} // namespace lunespiral
