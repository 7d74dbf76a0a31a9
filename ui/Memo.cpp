#include "Memo.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextOption>

namespace lunespiral {

Memo::Memo(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
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

void Memo::setDefilement(bool barreVerticale) {
    setVerticalScrollBarPolicy(barreVerticale ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
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
