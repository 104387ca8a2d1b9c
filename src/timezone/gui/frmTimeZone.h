#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

// The zone picker: a modal list of the named time zones. A double-click (or,
// from the keyboard, the arrow keys and Enter or Space) writes
// the chosen zone's hour and minute texts into the two zone boxes it was given
// and closes; "&Quit", Escape and the close box leave the boxes as they were. It
// touches nothing else (not the DST box, not the hemisphere choice).
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent = nullptr);

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;

public slots:
    // Writes the selected entry's texts (nothing when no entry is selected),
    // then closes the picker.
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The boxes belong to the input window; guarded in case it goes first.
    QPointer<QLineEdit> zoneHour_;
    QPointer<QLineEdit> zoneMinute_;
};

// Screen position (top-left of the picker's frame) for the input window
// `window`, whose "TZ Help" label `label` sits in the zone frame `zoneFrame`:
// just right of and below the label, wherever the window has been moved.
QPoint TimeZonePickerPosition(const QWidget* window, const QWidget* zoneFrame, const QWidget* label);

// "TZ Help": opens the picker at that position and waits until it closes.
void ShowTimeZonePicker(QWidget* window, QWidget* zoneFrame, QWidget* label, QLineEdit* zoneHour,
                        QLineEdit* zoneMinute);

}  // namespace velmora
