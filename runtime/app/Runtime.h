#pragma once
// The life of the process, in the order the start-up code calls it:
//
//   RuntimeInit(argc, argv);
//   RuntimeSetExceptionHelper(_UnhandledException);   // ExceptionHook.h
//   RunFrameworkInitialization(startup);
//   RuntimeRun();
//   return RuntimeExit();

#include <functional>
#include <stdexcept>

namespace runtime {

// RuntimeInit found no window system to show windows on.
class NoDisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates the QApplication (std::logic_error when one exists already;
// NoDisplayError, before Qt is touched, when the window system cannot be
// reached), loads Qt's Japanese translations so the toolkit's own buttons
// read in Japanese, names the application "KELDO Uninstaller", and routes
// exceptions that escape event handlers and threads to the exception helper.
void RuntimeInit(int argc, char** argv);

// Runs the start-up routine, then posts the Open event of the registered
// application object, so it runs as soon as the event loop starts, before
// any user input. An exception of the start-up routine reaches the caller
// and no Open event is posted.
void RunFrameworkInitialization(const std::function<void()>& startup);

// The event loop. Returns when the application quits: when the last open
// window has been closed, or on QCoreApplication::quit.
void RuntimeRun();

// Closes the windows that are still open, unregisters the application
// object, deletes the QApplication and returns the exit status of the event
// loop (0 when it never ran).
int RuntimeExit();

}  // namespace runtime
