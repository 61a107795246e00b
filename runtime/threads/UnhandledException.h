#pragma once
// Where an exception that escapes a thread's Run event goes.

#include <exception>
#include <functional>

namespace runtime {

using UnhandledExceptionHandler = std::function<void(std::exception_ptr)>;

// Installs the application's handler; an empty function restores the default,
// which prints the exception to stderr. Either way the program goes on.
void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);

// Hands an exception to the handler. An exception the handler throws is
// printed to stderr; only the end of a thread killed inside the handler passes.
void ReportUnhandledException(std::exception_ptr error);

}  // namespace runtime
