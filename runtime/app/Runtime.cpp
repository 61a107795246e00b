#include "runtime/app/Runtime.h"

#include <memory>
#include <stdexcept>

#include <QLibraryInfo>
#include <QMetaObject>
#include <QTranslator>

#include "runtime/app/Application.h"
#include "runtime/app/DisplayCheck.h"
#include "runtime/app/ExceptionHook.h"
#include "runtime/app/RuntimeApplication.h"
#include "runtime/threads/UnhandledException.h"
#include "runtime/ui/Window.h"

namespace runtime {

namespace {

struct Life {
    int argc = 0;  // QApplication keeps a reference to it
    std::unique_ptr<detail::RuntimeApplication> app;
    std::unique_ptr<QTranslator> translator;
    bool running = false;
    int exitStatus = 0;
};

Life& TheLife() {
    static Life life;
    return life;
}

// The framework's windows, not Qt's, decide when the last one is gone: a
// message box closed while no window is open must not end the program.
void QuitAfterLastWindow(Window&) {
    if (TheLife().running && OpenWindows().empty()) QCoreApplication::quit();
}

}  // namespace

void RuntimeInit(int argc, char** argv) {
    if (QCoreApplication::instance()) throw std::logic_error("RuntimeInit: a QApplication exists already");
    if (const std::string reason = detail::MissingDisplayReason(); !reason.empty()) throw NoDisplayError(reason);
    Life& life = TheLife();
    life.argc = argc;
    life.exitStatus = 0;
    life.app = std::make_unique<detail::RuntimeApplication>(life.argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KELDO Uninstaller"));

    // Without the translations installed the toolkit's texts stay English.
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        life.translator = std::move(translator);
    }

    QGuiApplication::setQuitOnLastWindowClosed(false);
    SetWindowClosedHandler(QuitAfterLastWindow);
    SetUnhandledExceptionHandler(detail::DeliverException);
}

void RunFrameworkInitialization(const std::function<void()>& startup) {
    if (startup) startup();
    if (auto* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app,
            [] {
                if (ApplicationRef registered = GetAppObject()) registered->Event_Open();
            },
            Qt::QueuedConnection);
    }
}

void RuntimeRun() {
    Life& life = TheLife();
    if (!life.app) return;
    life.running = true;
    life.exitStatus = QCoreApplication::exec();
    life.running = false;
}

int RuntimeExit() {
    Life& life = TheLife();
    SetWindowClosedHandler({});
    // Windows still open (the loop was quit, not ended by closing them) go
    // while their widgets can still be deleted.
    for (const WindowRef& window : OpenWindows()) {
        try {
            window->Close();
        } catch (...) {
            detail::DeliverException(std::current_exception());
        }
    }
    RuntimeRegisterAppObject(nullptr);
    SetUnhandledExceptionHandler({});
    if (life.app) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (life.translator) QCoreApplication::removeTranslator(life.translator.get());
        life.translator.reset();
        life.app.reset();
    }
    return life.exitStatus;
}

}  // namespace runtime
