#include "runtime/threads/UnhandledException.h"

#include <cstdio>
#include <utility>

#include <boost/context/detail/exception.hpp>

#include "runtime/threads/Scheduler.h"

namespace runtime {

namespace {

UnhandledExceptionHandler& InstalledHandler() {
    static UnhandledExceptionHandler handler;
    return handler;
}

void PrintToStderr(const char* where, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Unhandled exception%s: %s\n", where, e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception%s\n", where);
    }
}

}  // namespace

void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler) { InstalledHandler() = std::move(handler); }

void ReportUnhandledException(std::exception_ptr error) {
    if (!error) return;
    // A copy: the handler may install another one while it runs.
    const UnhandledExceptionHandler handler = InstalledHandler();
    if (!handler) {
        PrintToStderr("", error);
        return;
    }
    try {
        handler(error);
    } catch (const boost::context::detail::forced_unwind&) {
        throw;
    } catch (const detail::ThreadKill&) {
        throw;
    } catch (...) {
        PrintToStderr(" in the unhandled-exception handler", std::current_exception());
    }
}

}  // namespace runtime
