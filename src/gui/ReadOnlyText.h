#pragma once

#include <QPlainTextEdit>

namespace velmora {

// A read-only, word-wrapped text box for a paragraph. It is a Tab stop (its
// text may need scrolling) and, unlike a plain read-only box, which shows
// neither caret nor highlight, it draws the style's focus frame while it holds
// the focus.
class ReadOnlyText : public QPlainTextEdit {
    Q_OBJECT
public:
    // `lines`: how many lines of text it asks for; longer texts scroll.
    explicit ReadOnlyText(int lines, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize LinesSize() const;

    int lines_;
};

}  // namespace velmora
