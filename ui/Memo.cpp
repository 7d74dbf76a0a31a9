#include "Memo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace lunespiral {

Memo::Memo(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    // A two-pixel frame, painted by event() as the sunken edge of a classic text box.
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    document()->setDocumentMargin(2);
    viewport()->setCursor(Qt::ArrowCursor);
    policeDessin_ = font();
}

bool Memo::event(QEvent* e) {
    // Only the frame is painted here (the text is the viewport's): grey and white outside,
    // dark grey and light grey inside, each side a one-pixel fill. The same pixels stroked with
    // pens cost several times more, and a completed reading paints a dozen boxes at once.
    if (e->type() != QEvent::Paint) return QTextEdit::event(e);
    QPainter p(this);
    const QColor hautGauche[] = {QColor(128, 128, 128), QColor(64, 64, 64)};
    const QColor basDroite[] = {QColor(255, 255, 255), QColor(212, 208, 200)};
    for (int i = 0; i < 2; ++i) {
        const QRect c = rect().adjusted(i, i, -i, -i);
        p.fillRect(c.left(), c.top(), c.width(), 1, hautGauche[i]);
        p.fillRect(c.left(), c.top(), 1, c.height(), hautGauche[i]);
        p.fillRect(c.left(), c.bottom(), c.width(), 1, basDroite[i]);
        p.fillRect(c.right(), c.top() + 1, 1, c.height() - 1, basDroite[i]);
    }
    return true;
}

void Memo::setTexte(const QString& texte) {
    texte_ = texte;
    ajuster();
}

namespace {

qreal pixelsDe(const QFont& police, const QWidget* w) {
    return police.pixelSize() > 0 ? police.pixelSize()
                                  : police.pointSizeF() * w->logicalDpiY() / 72.0;
}

} // namespace

void Memo::ajuster() {
    // Laid out in a document of its own, with the box's margins, options and width, so that the
    // box itself lays its text out once, at the size chosen.
    QTextDocument mesure;
    mesure.setDocumentMargin(document()->documentMargin());
    mesure.setDefaultTextOption(document()->defaultTextOption());
    mesure.setDefaultFont(policeDessin_);
    mesure.setPlainText(texte_);
    const QRect cadre = contentsRect();
    tailleAjustee_ = size();
    mesure.setTextWidth(cadre.width());
    auto tient = [&](const QFont& police) {
        mesure.setDefaultFont(police);
        return mesure.size().height() <= cadre.height();
    };
    auto aLaTaille = [this](int pixels) {
        QFont police = policeDessin_;
        police.setPixelSize(pixels);
        return police;
    };

    if (texte_.isEmpty() || tient(policeDessin_)) {
        appliquer(policeDessin_, false, 0);
        return;
    }
    // The largest whole pixel size below the design's that fits. Wrapping makes the height
    // grow with the size in steps, so a bisection finds it in a handful of layouts.
    const int plusGrande = static_cast<int>(std::ceil(pixelsDe(policeDessin_, this))) - 1;
    int bas = std::max(1, std::min(tailleMinimale_, plusGrande)), haut = plusGrande;
    if (bas >= haut || !tient(aLaTaille(bas))) {
        const QFont police = aLaTaille(bas);
        if (!defilementPermis_ || tient(police)) {
            appliquer(police, false, 0);
            return;
        }
        // A text that scrolls shows whole lines: the box ends above the first line it would cut.
        mesure.setTextWidth(cadre.width() - verticalScrollBar()->sizeHint().width());
        mesure.setDefaultFont(police);
        int finDerniere = 0;
        for (QTextBlock b = mesure.begin(); b.isValid(); b = b.next()) {
            const QTextLayout* disposition = b.layout();
            for (int i = 0; i < disposition->lineCount(); ++i) {
                const qreal fin =
                    disposition->position().y() + disposition->lineAt(i).rect().bottom();
                if (fin > cadre.height()) {
                    appliquer(police, true, cadre.height() - finDerniere);
                    return;
                }
                finDerniere = static_cast<int>(std::ceil(fin));
            }
        }
        appliquer(police, true, 0);
        return;
    }
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (tient(aLaTaille(milieu)))
            bas = milieu;
        else
            haut = milieu - 1;
    }
    appliquer(aLaTaille(bas), false, 0);
}

void Memo::appliquer(const QFont& police, bool barre, int margeBas) {
    enAjustement_ = true;
    setFont(police);
    enAjustement_ = false;
    tailleAffichee_ = pixelsDe(police, this);
    defile_ = barre;
    setVerticalScrollBarPolicy(barre ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setViewportMargins(0, 0, 0, margeBas);
    setPlainText(texte_);
    // A new text drops the document's root frame, made again when first asked for: asked for
    // now, a box holds the same objects whichever way its text was last shown.
    document()->rootFrame();
    verticalScrollBar()->setValue(0);
}

void Memo::setPoliceDessin(const QFont& police) {
    if (police == policeDessin_ && police.resolveMask() == policeDessin_.resolveMask()) return;
    policeDessin_ = police;
    ajuster();
}

void Memo::setTailleMinimale(int pixels) {
    if (pixels == tailleMinimale_) return;
    tailleMinimale_ = pixels;
    if (!texte_.isEmpty()) ajuster();
}

void Memo::changeEvent(QEvent* e) {
    QTextEdit::changeEvent(e);
    // A font set from outside (the design, the scaling) is the box's full size.
    if (e->type() == QEvent::FontChange && !enAjustement_) {
        policeDessin_ = font();
        if (!texte_.isEmpty()) ajuster();
    }
}

void Memo::resizeEvent(QResizeEvent* e) {
    QTextEdit::resizeEvent(e);
    // Hidden boxes get their resize when first shown: nothing to do if the size is the one
    // the text was fitted to.
    if (!texte_.isEmpty() && size() != tailleAjustee_) ajuster();
}

void Memo::setCouleurs(const QColor& fond, const QColor& texte) {
    QPalette p = palette();
    p.setColor(QPalette::Base, fond);
    p.setColor(QPalette::Text, texte);
    // The strip a scrolling box keeps below its last whole line is the box's own colour.
    p.setColor(QPalette::Window, fond);
    setPalette(p);
    setAutoFillBackground(true);
}

namespace {

// The scroll bar of a text box in the classic look of the box's sunken edge: flat grey, raised
// arrow buttons and thumb. One style for all the boxes, kept until the application ends.
QStyle* styleClassique() {
    static QStyle* const style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s) s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace

void Memo::setDefilement(bool barreVerticale) {
    if (barreVerticale) {
        QScrollBar* barre = verticalScrollBar();
        if (QStyle* style = styleClassique()) barre->setStyle(style);
        // The classic groove is a light grey and white dither woven over the window colour:
        // over the main window's night blue it would come out dark.
        QPalette couleurs = barre->palette();
        couleurs.setColor(QPalette::Window, couleurs.color(QPalette::Button));
        barre->setPalette(couleurs);
    }
    // The bar shows only for a text that does not fit even at the smallest size; the size is
    // chosen before the text is laid out, so the box lays it out once, with or without it.
    defilementPermis_ = barreVerticale;
    if (!texte_.isEmpty()) ajuster();
}

void Memo::mousePressEvent(QMouseEvent* e) {
    emit appuye();
    QTextEdit::mousePressEvent(e);
}

void Memo::mouseDoubleClickEvent(QMouseEvent* e) {
    emit appuye();
    QTextEdit::mouseDoubleClickEvent(e);
}

void Memo::keyPressEvent(QKeyEvent* e) {
    // Enter and Tab belong to the window, never to a text that cannot be edited.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Tab) {
        e->ignore();
        return;
    }
    QTextEdit::keyPressEvent(e);
}

} // namespace lunespiral
