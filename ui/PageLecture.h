#pragma once
// A reading as a page to keep. One routine lays it out on any paged device, a printer or a
// PDF file, so both give the same page. It knows nothing of the engine: it is handed a plain
// description of the reading, every text already in the language of the run.

#include <QPageSize>
#include <QString>

#include <vector>

class QLocale;
class QPagedPaintDevice;
class QPainter;

namespace lunespiral {

struct LectureImprimee {
    enum class Disposition { Croix, Maisons, Bohemiens };

    int langue = 1; // 1 French, 2 English: the words around the reading (dialogs, file name)

    struct Carte {
        int numero = 0;  // 1..22, the face ":/art/Image<numero>.svg"
        QString nom;     // "La Lune"
        QString legende; // the house or the horizon; the cross's centre: its role
    };
    struct Passage {
        QString titre; // empty for a section's opening text
        QString carte; // the card it reads, where it reads one alone
        QString texte; // empty when its data file is missing
    };
    struct Section {
        QString titre;  // "--- PRESENT ---", "Psyché Globale"; empty for houses and horizons
        QString cartes; // "La Lune + Le Pape"
        std::vector<Passage> passages;
    };

    Disposition disposition = Disposition::Croix;
    QString titre; // "TIRAGE EN CROIX"
    QString date;  // "mardi 8 décembre 2026, 14 h 05"
    // In slot order: the cross left, top, right, bottom, centre; houses 1 to 10; horizons 1 to 4.
    std::vector<Carte> cartes;
    // As the plan of the reading gives them: the cross's present, future and centre, each side
    // opening with its synthesis and going on with projects, love, health and relationships;
    // one section of ten houses or of four horizons.
    std::vector<Section> sections;
    QString titreNumeros;       // "Numéros de la chance"
    QString numeros;            // "6 - 40 - 22 - 49 - 4 - 14"; empty when none are shown
    QString descriptionNumeros; // "Vos 6 numéros de la chance de 1 à 49"
};

// The paper of a locale's users: Letter in the United States and Canada, A4 elsewhere.
QPageSize taillePapier(const QLocale& locale);

// Draws the reading with `peintre`, active on `page`, whose origin is the paper's top left
// corner (a printer in full-page mode, a PDF writer without margins). Starts new pages as it
// needs them, between sections rather than within one, never within a paragraph. Returns the
// number of pages.
int dessinerLecture(QPainter& peintre, QPagedPaintDevice& page, const LectureImprimee& lecture);

} // namespace lunespiral
