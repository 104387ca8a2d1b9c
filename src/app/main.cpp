// The desktop program: one input window, the results window it opens, and
// nothing on the command line but --version and --help.
#include <QApplication>
#include <QRandomGenerator>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <memory>

#include "gui/EndProgram.h"
#include "gui/MessageBoxes.h"
#include "gui/ScreenFit.h"
#include "gui/SingleInstance.h"
#include "gui/Translation.h"
#include "gui/WindowServices.h"
#include "input/gui/frmMain.h"
#include "links/PlaceLookup.h"
#include "links/gui/DesktopUrlOpener.h"
#include "links/gui/ProductPicture.h"
#include "places/lookup/SystemPlaces.h"
#include "shared/CalculationState.h"
#include "shared/VectorState.h"
#include "shared/Version.h"

namespace {

// Qt leaves the upper halves of the vector registers dirty (see VectorState.h),
// which would slow the calculation's SSE code several times; every event, and
// so every click that starts a calculation, begins with them clean.
class VectorStateGuard final : public QObject {
    bool eventFilter(QObject*, QEvent*) override {
        velmora::ClearUpperVectorState();
        return false;
    }
};

// Qt's note that XDG_RUNTIME_DIR is not set (as root, or in a session without
// one) says nothing a user can act on: Qt then uses a private folder of its
// own. Exactly that note is dropped; every other message goes on to Qt's own
// handler.
QtMessageHandler qtHandler = nullptr;
void DropRuntimeFolderNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (qtHandler != nullptr) qtHandler(type, context, message);
}

// --version and --help answer on standard output without opening a window
// (and without a display); every other argument is left to Qt.
bool AnsweredCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("velmora %s\n", VELMORA_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: velmora [--version | --help]\n\n"
                        "Opens the Velmora window: the panchang (vara, nakshatra, tithi, yoga, karana)\n"
                        "and the ayanamsa of a moment and place. The same calculation from the command\n"
                        "line: velmora-report --help.\n");
            return true;
        }
    }
    return false;
}

// Without a display Qt's window system cannot start and Qt ends the program
// with SIGABRT and a note about reinstalling it. On a system of X11 and
// Wayland, when the platform asked for (QT_QPA_PLATFORM or -platform, or
// none: Qt's choice) needs one that is not there, the program says so and
// how to go on, and ends with status 1 before Qt is started. A platform of
// its own (offscreen, vnc, eglfs ...) is left to Qt.
bool NoDisplayFor(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    std::string platform;
    if (const char* asked = std::getenv("QT_QPA_PLATFORM")) platform = asked;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) platform = argv[i + 1];
    }
    platform = platform.substr(0, platform.find(':'));  // "xcb:..." takes options after a colon
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    const bool x11 = set("DISPLAY");
    const bool wayland = set("WAYLAND_DISPLAY");
    bool missing = false;
    if (platform.empty()) {
        missing = !x11 && !wayland;
    } else if (platform == "xcb") {
        missing = !x11;
    } else if (platform.rfind("wayland", 0) == 0) {
        missing = !wayland;
    }
    if (!missing) return false;
    const char* wanted = platform == "xcb"               ? "DISPLAY is not set"
                         : platform.rfind("wayland", 0) == 0 ? "WAYLAND_DISPLAY is not set"
                                                             : "neither DISPLAY nor WAYLAND_DISPLAY is set";
    std::fprintf(stderr,
                 "velmora: there is no display here (%s), so the window cannot open.\n"
                 "  - on a desktop, start velmora from its menu or a terminal of that desktop;\n"
                 "  - over ssh, log in with ssh -X, or start it on a virtual screen: xvfb-run -a velmora;\n"
                 "  - the same calculation without a window: velmora-report --help.\n",
                 wanted);
    return true;
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredCommandLine(argc, argv)) return 0;
    if (NoDisplayFor(argc, argv)) return 1;
    qtHandler = qInstallMessageHandler(DropRuntimeFolderNote);
    QApplication app(argc, argv);
    VectorStateGuard vectorState;
    app.installEventFilter(&vectorState);
    QApplication::setApplicationName(QString::fromUtf8(velmora::ApplicationTitle));
    // The program ends through EndProgram only: hiding the input window while
    // the results window opens must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(velmora::ProductIcon());
    // The language of the user's locale (LANG=hi_IN.UTF-8 opens in Hindi);
    // English for any other. The Language menu changes it while running.
    if (velmora::LanguageSwitch* language = velmora::LanguageSwitch::Of()) {
        language->Switch(velmora::LanguageOfEnvironment());
    }

    // VELMORA_UNATTENDED: scripted runs (tests) get the messages on standard
    // error instead of boxes that would wait for a click.
    const bool unattended = qEnvironmentVariableIsSet("VELMORA_UNATTENDED");
    velmora::QtMessageBoxes messages(unattended);
    velmora::DesktopUrlOpener urls(messages);
    velmora::ProgramEnd end;
    velmora::CalculationState state;

    const velmora::SingleInstanceLock lock(velmora::DefaultLockDirectory());
    if (lock.AnotherCopyRunning()) {
        // Said on standard error too (unattended, the box itself goes there),
        // so that a copy started from a terminal or a script says why it waits.
        if (!unattended) std::fprintf(stderr, "%s: Application is already running\n", velmora::ApplicationTitle);
        // The running copy comes to the front as well.
        velmora::AskRunningCopyToRaise(lock);
        messages.Show("Application is already running", velmora::MessageIcon::Information);
        end.EndProgram();
        return 0;
    }

    velmora::RaiseRequests raiseRequests(lock);
    QObject::connect(&raiseRequests, &velmora::RaiseRequests::Requested, [] { velmora::RaiseProgramWindows(); });
    velmora::FitEveryDialogToScreen(&app);

    velmora::WebPlaceSearch placeSearch(urls);
    velmora::WindowServices services{state, messages, urls, end};
    services.placeSearch = &placeSearch;
    services.uniform = [] { return QRandomGenerator::global()->generateDouble(); };
    const std::unique_ptr<velmora::PlaceDirectory> places = velmora::OpenPlaceDirectory();
    services.places = places.get();
    velmora::frmMain window(services);
    window.DrawOfferBanner();
    window.show();
    return QApplication::exec();
}
