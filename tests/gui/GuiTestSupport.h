#pragma once

// Recording doubles and a fixture that opens the input window as the program
// does, with nothing that blocks or leaves the process.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

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

// The text of a window's label by control name (empty, and a failure, when
// there is none).
inline QString LabelText(const QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

// Seconds of the day of the clock in "d.mm.yyyy hh:mm:ss".
inline int ClockSeconds(const QString& text) {
    const QString clock = text.section(QLatin1Char(' '), 1, 1);
    return clock.section(QLatin1Char(':'), 0, 0).toInt() * 3600 + clock.section(QLatin1Char(':'), 1, 1).toInt() * 60 +
           clock.section(QLatin1Char(':'), 2, 2).toInt();
}

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
