#pragma once

// Recording doubles and a fixture that opens the input window as the program
// does, with nothing that blocks or leaves the process.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/EndProgram.h"
#include "gui/MessageBoxes.h"
#include "gui/WindowServices.h"
#include "input/gui/frmMain.h"
#include "links/UrlOpener.h"
#include "results/gui/frmDisplay.h"
#include "shared/CalculationState.h"

namespace velmora::test {

struct Message {
    std::string text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    void Show(const std::string& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    std::vector<Message> shown;
};

class RecordingUrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

// Runs the deletions that closed windows asked for.
inline void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class ProgramFixture {
public:
    ProgramFixture()
        : end([this] { ++quitCalls; }), services{state, messages, urls, end} {
        window = std::make_unique<frmMain>(services);
        window->show();
    }
    ~ProgramFixture() {
        window.reset();
        ProcessDeferredDeletes();
    }

    template <typename T>
    T* Child(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    int quitCalls = 0;
    ProgramEnd end;
    WindowServices services;
    std::unique_ptr<frmMain> window;
};

}  // namespace velmora::test
