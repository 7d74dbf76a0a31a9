#include "GarderLecture.h"

#include "BoiteMessage.h"
#include "Langue.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace lunespiral {

namespace {

// The reading's own language: the window's, as chosen at start-up.
QString tr2(const LectureImprimee& lecture, const char* francais, const char* anglais) {
    return QString::fromUtf8(lecture.langue == langueAnglais ? anglais : francais);
}

// The documents folder when there is one, the home folder otherwise.
QString dossierDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The busy cursor while a page is drawn: it can take a moment.
class Occupe {
public:
    Occupe() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Occupe() { QGuiApplication::restoreOverrideCursor(); }
    Occupe(const Occupe&) = delete;
    Occupe& operator=(const Occupe&) = delete;
};

QString echec(const LectureImprimee& lecture, const QString& chemin, const QString& raison) {
    const QString natif = QDir::toNativeSeparators(chemin);
    return lecture.langue == langueAnglais
               ? QStringLiteral("The reading could not be saved as “%1”: %2.\nNothing was "
                                "written.")
                     .arg(natif, raison)
               : QStringLiteral("La lecture n'a pas pu être enregistrée sous « %1 » : "
                                "%2.\nRien n'a été écrit.")
                     .arg(natif, raison);
}

} // namespace

GarderLecture::GarderLecture(QWidget* fenetre, Source lecture, std::function<void()> copier)
    : QObject(fenetre), fenetre_(fenetre), lecture_(std::move(lecture)),
      copier_(std::move(copier)) {
    // A right click or the Menu key anywhere on the window reaches it here, from whichever
    // control was under the mouse or had the focus: none of them has a menu of its own.
    fenetre_->installEventFilter(this);
}

bool GarderLecture::eventFilter(QObject* objet, QEvent* e) {
    if (objet == fenetre_ && e->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(e);
        if (montrerMenu(menu->globalPos())) return true;
    }
    return QObject::eventFilter(objet, e);
}

bool GarderLecture::montrerMenu(QPoint position) {
    const auto lecture = lecture_(QDateTime::currentDateTime());
    if (!lecture) return false;
    QMenu menu(fenetre_);
    menu.setObjectName(QStringLiteral("menuLecture"));
    auto action = [&menu](const QString& texte, QKeySequence::StandardKey touche) {
        QAction* a = menu.addAction(texte);
        a->setShortcut(touche); // shown in the menu; the window's own shortcuts do the work
        a->setShortcutContext(Qt::WidgetShortcut);
        return a;
    };
    QAction* actionCopier =
        action(tr2(*lecture, "Copier la lecture", "Copy the reading"), QKeySequence::Copy);
    QAction* actionImprimer = action(tr2(*lecture, "Imprimer...", "Print..."), QKeySequence::Print);
    QAction* actionEnregistrer =
        action(tr2(*lecture, "Enregistrer en PDF...", "Save as PDF..."), QKeySequence::Save);
    // The action runs once the menu has closed, so that its dialog comes up on its own.
    QAction* choix = menu.exec(position);
    if (choix == actionCopier && copier_)
        copier_();
    else if (choix == actionImprimer)
        imprimer();
    else if (choix == actionEnregistrer)
        enregistrerPdf();
    return true;
}

void GarderLecture::imprimer() {
    const QDateTime quand = QDateTime::currentDateTime();
    const auto lecture = lecture_(quand);
    if (!lecture) return;
    QPrinter imprimante(QPrinter::HighResolution);
    // The page is laid out from the paper's corner, with margins wider than any printer's.
    imprimante.setFullPage(true);
    imprimante.setPageOrientation(QPageLayout::Portrait);
    if (QPrinterInfo::defaultPrinter().isNull()) imprimante.setPageSize(taillePapier(QLocale()));
    // The job's name in the print queue, and the file's that printing to a file proposes.
    imprimante.setDocName(
        QFileInfo(nomPropose(lecture->disposition, lecture->langue, quand)).completeBaseName());
    imprimante.setCreator(QStringLiteral("Lunespiral"));
    bool imprimer = false;
    if (confirmerImpression) {
        imprimer = confirmerImpression(imprimante);
    } else {
        QPrintDialog dialogue(&imprimante, fenetre_);
        dialogue.setObjectName(QStringLiteral("dialogueImpression"));
        // The whole reading or nothing: no page range.
        dialogue.setOptions(QAbstractPrintDialog::PrintToFile |
                            QAbstractPrintDialog::PrintShowPageSize |
                            QAbstractPrintDialog::PrintCollateCopies);
        imprimer = dialogue.exec() == QDialog::Accepted;
    }
    if (!imprimer) return;
    const Occupe occupe;
    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        BoiteMessage::information(fenetre_, tr2(*lecture, "L'impression n'a pas pu commencer.",
                                                "Printing could not start."));
        return;
    }
    dessinerLecture(peintre, imprimante, *lecture);
    peintre.end();
}

void GarderLecture::enregistrerPdf() {
    const QDateTime quand = QDateTime::currentDateTime();
    const auto lecture = lecture_(quand);
    if (!lecture) return;
    const QString propose =
        QDir(dossierDocuments()).filePath(nomPropose(lecture->disposition, lecture->langue, quand));
    // The name is taken as chosen: the dialog has asked about replacing that file, no other.
    const QString chemin =
        choisirFichier
            ? choisirFichier(propose)
            : QFileDialog::getSaveFileName(
                  fenetre_,
                  tr2(*lecture, "Enregistrer la lecture en PDF", "Save the reading as PDF"),
                  propose, tr2(*lecture, "Documents PDF (*.pdf)", "PDF documents (*.pdf)"));
    if (chemin.isEmpty()) return;
    QString erreur;
    {
        const Occupe occupe;
        erreur = ecrirePdf(*lecture, chemin);
    }
    if (!erreur.isEmpty()) BoiteMessage::information(fenetre_, erreur);
}

QString GarderLecture::ecrirePdf(const LectureImprimee& lecture, const QString& chemin) {
    // Written beside the target under a temporary name, renamed over it only once complete.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        const QFileInfo dossier(QFileInfo(chemin).absolutePath());
        return echec(lecture, chemin,
                     !dossier.isDir()
                         ? tr2(lecture, "ce dossier n'existe pas", "that folder does not exist")

                         : tr2(lecture, "ce dossier est protégé en écriture",
                               "that folder cannot be written to"));
    }
    // The document is made in memory and written in one go, its length checked: the PDF
    // writer does not look at what its writes return, nor does QSaveFile always hear of a
    // short write (a full disk would leave a cut file under the chosen name).
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&document);
        pdf.setPageLayout(
            QPageLayout(taillePapier(QLocale()), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(lecture.titre + QStringLiteral(" – ") + lecture.date);
        pdf.setCreator(QStringLiteral("Lunespiral"));
        QPainter peintre;
        if (!peintre.begin(&pdf)) {
            fichier.cancelWriting();
            return echec(lecture, chemin,
                         tr2(lecture, "le document n'a pas pu être commencé",
                             "the document could not be started"));
        }
        dessinerLecture(peintre, pdf, lecture);
        peintre.end();
    }
    const QByteArray& octets = document.data();
    if (fichier.write(octets) != octets.size() || !fichier.flush() ||
        fichier.error() != QFileDevice::NoError)
        fichier.cancelWriting();
    if (!fichier.commit())
        return echec(lecture, chemin,
                     tr2(lecture, "le disque est plein ou refuse l'écriture",
                         "the disk is full or refuses the write"));
    return {};
}

QString GarderLecture::nomPropose(LectureImprimee::Disposition disposition, int l,
                                  const QDateTime& quand) {
    const bool anglais = l == langueAnglais;
    QString tirage;
    switch (disposition) {
    case LectureImprimee::Disposition::Croix:
        tirage = anglais ? QStringLiteral("cross") : QStringLiteral("croix");
        break;
    case LectureImprimee::Disposition::Maisons:
        tirage = anglais ? QStringLiteral("ten houses") : QStringLiteral("dix maisons");
        break;
    case LectureImprimee::Disposition::Bohemiens:
        tirage = anglais ? QStringLiteral("bohemian") : QStringLiteral("bohémiens");
        break;
    }
    // No colon: the name must be valid on every file system the PDF may travel to.
    return QStringLiteral("Lunespiral %1 %2.pdf")
        .arg(tirage, quand.toString(anglais ? QStringLiteral("yyyy-MM-dd HH.mm")
                                            : QStringLiteral("yyyy-MM-dd HH'h'mm")));
}

} // namespace lunespiral
