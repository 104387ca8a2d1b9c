// The desktop program: one input window, the results window it opens, and
// nothing on the command line but --version and --help.
#include <QApplication>
#include <QRandomGenerator>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#include <memory>

#include "gui/EndProgram.h"
#include "gui/MessageBoxes.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredCommandLine(argc, argv)) return 0;
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
        messages.Show("Application is already running", velmora::MessageIcon::Information);
        end.EndProgram();
        return 0;
    }

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
