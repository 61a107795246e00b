#pragma once
// Exceptions that escape application code the runtime called: an event
// handler, a menu handler, the Open event, a thread's Run event. None of
// them passes through Qt; each goes to the exception helper, and the
// program goes on.

#include <exception>
#include <functional>

#include "runtime/core/String.h"

namespace runtime {

using ExceptionHelper = std::function<void(std::exception_ptr)>;

// Installs the routine that receives those exceptions. Until one is
// installed, and after an empty one, _UnhandledException receives them.
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// The framework's handler: shows an alert that names the exception's class
// and its message, and returns when the user has closed it. Without a
// QApplication, or while its own alert is up, it writes to stderr instead.
void _UnhandledException(std::exception_ptr error);

namespace detail {

// Hands an exception to the installed helper.
void DeliverException(std::exception_ptr error);

// The exception's class without namespaces ("NilObjectException"), and its
// message ("" when it has none).
String ExceptionClassName(std::exception_ptr error);
String ExceptionMessage(std::exception_ptr error);

}  // namespace detail

}  // namespace runtime
