#include "Memo.h"

#include <QKeyEvent>
#include <QPainter>
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextOption>

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
    setPlainText(texte);
    verticalScrollBar()->setValue(0);
}

void Memo::setCouleurs(const QColor& fond, const QColor& texte) {
    QPalette p = palette();
    p.setColor(QPalette::Base, fond);
    p.setColor(QPalette::Text, texte);
    setPalette(p);
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
    // A text box with a scroll bar always shows it, greyed while the text fits, as classic text
    // boxes do. The text keeps one width whatever its length: it is laid out once, not again
    // when a longer text brings the bar in.
    setVerticalScrollBarPolicy(barreVerticale ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
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
