#pragma once

#include <memory>
#include <string>

#include "gui/ProgramTitle.h"
#include "input/Refusal.h"

class QMessageBox;
class QWidget;

namespace velmora {

// The program's message boxes: modal, titled "Velmora", one OK button, the
// critical or the information icon. Windows show their messages through this
// so that tests can record them instead of blocking on a modal box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has dismissed the box.
    virtual void Show(const std::string& text, MessageIcon icon) = 0;
};

// The box QtMessageBoxes shows: the text selectable, kept within the screen.
std::unique_ptr<QMessageBox> NewMessageBox(const std::string& text, MessageIcon icon, QWidget* parent);

// The real boxes (QMessageBox), over the window that is active.
// In unattended mode (scripted runs without a person at the screen) each
// message is written to standard error instead and nothing waits.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(bool unattended = false) : unattended_(unattended) {}
    void Show(const std::string& text, MessageIcon icon) override;

private:
    bool unattended_;
};

}  // namespace velmora
