#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace velmora {

// A label that works as a link: underlined, a pointing hand, and `clicked`
// on a mouse click or on Space/Enter when it has the keyboard focus. It is a
// Tab stop, and shows the style's focus frame while it holds the focus (a
// plain label draws none).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
