#include "timezone/gui/frmTimeZone.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/ProgramFont.h"
#include "gui/ScreenFit.h"
#include "gui/ProgramTitle.h"
#include "gui/Translation.h"
#include "timezone/TimeZones.h"

namespace velmora {

frmTimeZone::frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent)
    : QDialog(parent), zoneHour_(zoneHour), zoneMinute_(zoneMinute) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    ApplyProgramFont(this);

    lstTimeZone = new QListWidget(this);
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    // Filled fresh for every opening; nothing is selected at the start.
    for (std::string_view entry : TimeZoneEntries) {
        lstTimeZone->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    lstTimeZone->setCurrentRow(-1);
    lstTimeZone->clearSelection();
    // A double-click anywhere in the list counts, also on the blank area below
    // the last entry, where nothing may be selected.
    lstTimeZone->viewport()->installEventFilter(this);
    // Enter and Space on the list choose as a double-click does.
    lstTimeZone->installEventFilter(this);

    cmdQuit = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "&Quit")), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAutoDefault(false);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdQuit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone, 1);
    layout->addLayout(buttons);

    lstTimeZone->setFocus();
    // Wide enough for the longest entry without a horizontal scroll bar.
    const int textWidth = lstTimeZone->sizeHintForColumn(0);
    resize(textWidth + 60, 320);
    FitDialogToScreen(this);
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The entry under the pointer is the one the double-click's first press
        // chose; over blank space the selection stays as it is.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return true;
        const QModelIndex index = lstTimeZone->indexAt(mouse->position().toPoint());
        if (index.isValid()) lstTimeZone->setCurrentRow(index.row());
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (choose && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTimeZone::lstTimeZone_DblClick() {
    int position = -1;
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    if (!selected.isEmpty()) position = lstTimeZone->row(selected.first());
    // Set as text: the boxes' key filters are not involved.
    if (const auto texts = ZoneTextsAt(position)) {
        if (zoneHour_) zoneHour_->setText(QString::fromStdString(texts->hour));
        if (zoneMinute_) zoneMinute_->setText(QString::fromStdString(texts->minute));
    }
    accept();
}

void frmTimeZone::cmdQuit_Click() { reject(); }

QPoint TimeZonePickerPosition(const QWidget* window, const QWidget* zoneFrame, const QWidget* label) {
    if (window == nullptr || label == nullptr) return {};
    PickerAnchor anchor;
    // The window's outer corner, title bar and border included.
    const QPoint outer = window->frameGeometry().topLeft();
    anchor.windowLeft = outer.x();
    anchor.windowTop = outer.y();
    // Everything above the zone frame (menu bar, top strip, enclosing frames)
    // is in its offset from the window's client area.
    const QPoint labelInWindow = label->mapTo(window, QPoint(0, 0));
    QPoint frameInWindow(0, 0);
    if (zoneFrame != nullptr && zoneFrame->isAncestorOf(label)) frameInWindow = zoneFrame->mapTo(window, QPoint(0, 0));
    anchor.zoneFrameLeft = frameInWindow.x();
    anchor.zoneFrameTop = frameInWindow.y();
    anchor.labelLeft = labelInWindow.x() - frameInWindow.x();
    anchor.labelTop = labelInWindow.y() - frameInWindow.y();
    anchor.labelWidth = label->width();
    anchor.labelHeight = label->height();
    const QScreen* screen = window->screen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    const PixelPoint corner = PickerTopLeft(anchor, dpi);
    return {corner.x, corner.y};
}

void ShowTimeZonePicker(QWidget* window, QWidget* zoneFrame, QWidget* label, QLineEdit* zoneHour,
                        QLineEdit* zoneMinute) {
    // On the heap and deleted on close, so that nothing is freed twice even if
    // the input window goes away while the picker is open.
    auto* picker = new frmTimeZone(zoneHour, zoneMinute, window);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->move(TimeZonePickerPosition(window, zoneFrame, label));
    picker->exec();
}

}  // namespace velmora
