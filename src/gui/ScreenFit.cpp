#include "gui/ScreenFit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace velmora {

namespace {

// What the window manager adds around a window before it has been shown
// (a title bar and thin borders); afterwards the real frame is known.
QSize FrameAllowance(const QWidget* window) {
    if (window->isVisible()) {
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        if (frame.width() > 0 || frame.height() > 0) return frame;
    }
    return {12, 40};
}

// Fits the dialog it watches to the free area each time it is shown.
class DialogFitter final : public QObject {
public:
    explicit DialogFitter(QWidget* dialog) : QObject(dialog), dialog_(dialog) {
        setObjectName(QStringLiteral("velmoraDialogFitter"));
        settle_.setSingleShot(true);
        settle_.setInterval(0);
        connect(&settle_, &QTimer::timeout, this, &DialogFitter::Fit);
        grown_.setSingleShot(true);
        grown_.setInterval(0);
        connect(&grown_, &QTimer::timeout, this, &DialogFitter::Fit);
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show) {
            Fit();
            // A message box sets its size in its own show event, after this
            // filter: once more when it has settled.
            if (dialog_->inherits("QMessageBox")) settle_.start();
        }
        // A dialog whose content grows while shown (the print dialog's
        // "Options >>") is fitted again once its layout has settled. A size
        // the program sets itself is left as set.
        if (watched == dialog_ && event->type() == QEvent::LayoutRequest && dialog_->isVisible() &&
            !grown_.isActive() && dialog_->sizeHint() != hint_) {
            grown_.start();
        }
        return false;
    }

    void Fit() {
        hint_ = dialog_->sizeHint();
        const QScreen* screen = dialog_->screen();
        if (screen == nullptr) return;
        const QRect available = screen->availableGeometry();
        const QSize room = (available.size() - FrameAllowance(dialog_)).expandedTo(QSize(1, 1));
        if (dialog_->width() > room.width() || dialog_->height() > room.height()) {
            // An explicit minimum, which the layout keeps to, no larger than the room.
            dialog_->setMinimumSize(dialog_->minimumSize().boundedTo(room));
            if (dialog_->maximumWidth() > room.width() || dialog_->maximumHeight() > room.height()) {
                dialog_->setMaximumSize(dialog_->maximumSize().boundedTo(room));
            }
            dialog_->resize(dialog_->size().boundedTo(room));
        }
        if (!dialog_->isVisible()) return;
        QRect frame = dialog_->frameGeometry();
        if (frame.size() == dialog_->size()) frame.setSize(dialog_->size() + FrameAllowance(dialog_));
        const QPoint topLeft = dialog_->frameGeometry().topLeft();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
        if (frame.topLeft() != topLeft) dialog_->move(frame.topLeft());
    }

private:
    QWidget* dialog_;
    QTimer settle_;  // the second fit, once the event loop has run
    QTimer grown_;   // the fit after the dialog has grown while shown
    QSize hint_;     // the dialog's size hint at the last fit: a change is growth
};

// Gives every dialog the program shows a fitter, also those a dialog opens
// itself (the print dialog's printer properties).
class EveryDialogFitter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && qobject_cast<QDialog*>(widget) != nullptr &&
                widget->findChild<QObject*>(QStringLiteral("velmoraDialogFitter"), Qt::FindDirectChildrenOnly) ==
                    nullptr) {
                (new DialogFitter(widget))->Fit();
            }
        }
        return false;
    }
};

}  // namespace

void FitDialogToScreen(QWidget* dialog) {
    if (dialog != nullptr &&
        dialog->findChild<QObject*>(QStringLiteral("velmoraDialogFitter"), Qt::FindDirectChildrenOnly) == nullptr) {
        new DialogFitter(dialog);
    }
}

void FitEveryDialogToScreen(QCoreApplication* application) {
    if (application == nullptr ||
        application->findChild<QObject*>(QStringLiteral("velmoraEveryDialogFitter"), Qt::FindDirectChildrenOnly)) {
        return;
    }
    auto* fitter = new EveryDialogFitter(application);
    fitter->setObjectName(QStringLiteral("velmoraEveryDialogFitter"));
    application->installEventFilter(fitter);
}

QScrollArea* SetScrollingCentralWidget(QMainWindow* window, QWidget* content) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);  // not a Tab stop of its own
    area->setWidget(content);
    // The content's own background, not the scroll area's base colour.
    area->setBackgroundRole(QPalette::Window);
    window->setCentralWidget(area);
    return area;
}

void FitToScreen(QMainWindow* window) {
    auto* area = qobject_cast<QScrollArea*>(window->centralWidget());
    QWidget* content = area != nullptr ? area->widget() : window->centralWidget();
    if (content == nullptr) return;

    // Sizes as the style will draw them (polishing can change fonts and margins).
    window->ensurePolished();
    // A text set in a page that has not been shown yet (a tab behind the
    // first) reaches the cached sizes of the layouts above it only when the
    // page is shown; refresh them all so that every page counts now.
    for (QWidget* child : content->findChildren<QWidget*>()) child->updateGeometry();
    for (QLayout* layout : content->findChildren<QLayout*>()) layout->invalidate();
    QSize want = content->sizeHint().expandedTo(content->minimumSizeHint());
    if (content->hasHeightForWidth()) want.setHeight(std::max(want.height(), content->heightForWidth(want.width())));
    // What the window adds around its central widget (the menu bar).
    const QWidget* central = window->centralWidget();
    want += (window->sizeHint() - central->sizeHint()).expandedTo(QSize(0, 0));

    const QRect available = window->screen()->availableGeometry();
    const QSize room = available.size() - FrameAllowance(window);
    QSize size = want.boundedTo(room);
    // A scroll bar in one direction takes room from the other.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    if (size.height() < want.height()) size.setWidth(std::min(want.width() + bar, room.width()));
    if (size.width() < want.width()) size.setHeight(std::min(size.height() + bar, room.height()));
    window->resize(size);

    if (window->isVisible()) {
        QRect frame = window->frameGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
        window->move(frame.topLeft());
    }
}

void PlaceWithin(QWidget* window, QPoint frameTopLeft) {
    const QRect available = window->screen()->availableGeometry();
    const QSize frame = window->size() + FrameAllowance(window);
    QRect wanted(frameTopLeft, frame);
    wanted.moveRight(std::min(wanted.right(), available.right()));
    wanted.moveBottom(std::min(wanted.bottom(), available.bottom()));
    wanted.moveLeft(std::max(wanted.left(), available.left()));
    wanted.moveTop(std::max(wanted.top(), available.top()));
    window->move(wanted.topLeft());
}

}  // namespace velmora
