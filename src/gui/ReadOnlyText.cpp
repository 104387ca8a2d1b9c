#include "gui/ReadOnlyText.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace velmora {

ReadOnlyText::ReadOnlyText(int lines, QWidget* parent) : QPlainTextEdit(parent), lines_(lines) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(LinesSize().height());
}

QSize ReadOnlyText::sizeHint() const { return LinesSize(); }

QSize ReadOnlyText::LinesSize() const {
    // The frame, the document's margins and `lines` lines, 30 characters wide.
    const int frame = 2 * frameWidth();
    const int margins = 2 * static_cast<int>(document()->documentMargin());
    return {fontMetrics().averageCharWidth() * 30 + frame + margins,
            fontMetrics().lineSpacing() * lines_ + frame + margins};
}

bool ReadOnlyText::event(QEvent* event) {
    // The box's own paint event draws its frame (the text is drawn by the
    // viewport inside it); the focus frame goes over that frame.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        option.backgroundColor = palette().color(QPalette::Base);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    return handled;
}

void ReadOnlyText::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    update();
}

void ReadOnlyText::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    update();
}

}  // namespace velmora
