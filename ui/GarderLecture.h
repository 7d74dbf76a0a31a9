#pragma once
// Keeping a reading: the main window's context menu (copy, print, save as PDF) and the two
// actions behind it. Printing goes through the system's print dialog; a PDF is written whole
// where the user chose, or not at all.

#include "PageLecture.h"

#include <QDateTime>
#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace lunespiral {

class GarderLecture : public QObject {
    Q_OBJECT
public:
    // The complete reading on the window, dated; nothing while no reading is complete.
    using Source = std::function<std::optional<LectureImprimee>(const QDateTime& quand)>;

    // Offers the menu on `fenetre` (right click, Menu key); `copier` copies the reading as text.
    GarderLecture(QWidget* fenetre, Source lecture, std::function<void()> copier);

    void imprimer();
    void enregistrerPdf();

    // The menu at `position` (global), when a reading is complete; whether it was shown.
    bool montrerMenu(QPoint position);

    // Writes the reading as a PDF file at `chemin`, whole or not at all (a file already there
    // stays as it was). Empty when it is written, otherwise what went wrong, for the user.
    static QString ecrirePdf(const LectureImprimee& lecture, const QString& chemin);

    // "Lunespiral croix 2026-12-08 14h05.pdf", "Lunespiral cross 2026-12-08 14.05.pdf".
    static QString nomPropose(LectureImprimee::Disposition disposition, int langue,
                              const QDateTime& quand);

    // Tests answer the dialogs in advance. The file dialog: given the proposed path, the chosen
    // one (empty for Cancel). The print dialog: given the printer, whether to print.
    static inline std::function<QString(const QString& propose)> choisirFichier;
    static inline std::function<bool(QPrinter& imprimante)> confirmerImpression;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget* fenetre_;
    Source lecture_;
    std::function<void()> copier_;
};

} // namespace lunespiral
