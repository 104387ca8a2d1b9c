#include "gui/ElidingLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace velmora {

ElidingLabel::ElidingLabel(int columns, QWidget* parent) : QLabel(parent), columns_(columns) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QSize ElidingLabel::sizeHint() const {
    const QMargins m = contentsMargins();
    return {fontMetrics().averageCharWidth() * columns_ + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

QSize ElidingLabel::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    return {fontMetrics().averageCharWidth() * 4 + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

void ElidingLabel::ShowText(const QString& text) {
    setText(text);
    setToolTip(text);
}

bool ElidingLabel::Elided() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    update();
}

void ElidingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateGeometry();
}

}  // namespace velmora
