#pragma once

#include <QLabel>

class QPaintEvent;

namespace velmora {

// A one-line label for text typed by the user (a name, a city): it asks for a
// fixed width of `columns` average characters whatever it holds, shows as much
// as fits with "…" at the end. text() is always the whole text; ShowText also
// puts it in the tooltip. The window's width never follows the data.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(int columns, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text, and the same as the tooltip.
    void ShowText(const QString& text);

    // True when the text does not fit in the width the label has now.
    bool Elided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int columns_;
};

}  // namespace velmora
