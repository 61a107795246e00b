#include "runtime/app/RuntimeApplication.h"

#include <cstdio>
#include <exception>

#include <boost/context/detail/exception.hpp>

#include "runtime/app/ExceptionHook.h"

namespace runtime::detail {

RuntimeApplication::RuntimeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool RuntimeApplication::notify(QObject* receiver, QEvent* event) {
    std::exception_ptr error;
    try {
        return QApplication::notify(receiver, event);
    } catch (const boost::context::detail::forced_unwind&) {
        throw;  // a fiber's stack being unwound: it must reach the fiber's entry
    } catch (...) {
        error = std::current_exception();
    }
    // Delivered outside the handler: the helper may run a nested loop.
    try {
        DeliverException(error);
    } catch (const boost::context::detail::forced_unwind&) {
        throw;
    } catch (...) {
        std::fputs("An exception escaped the exception helper\n", stderr);
    }
    return false;
}

}  // namespace runtime::detail
