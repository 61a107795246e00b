#include "runtime/app/ExceptionHook.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#include <QCoreApplication>

#include "runtime/app/AlertBox.h"
#include "runtime/core/Exceptions.h"

namespace runtime {

namespace {

ExceptionHelper& Helper() {
    static ExceptionHelper helper;
    return helper;
}

bool gAlertShowing = false;

// "runtime::NilObjectException" -> "NilObjectException"; template arguments keep theirs.
std::string WithoutNamespaces(const std::string& name) {
    const auto end = name.find('<');
    const auto cut = name.rfind("::", end == std::string::npos ? std::string::npos : end);
    return cut == std::string::npos ? name : name.substr(cut + 2);
}

void WriteToStderr(const String& className, const String& message) {
    std::fprintf(stderr, "Unhandled exception %s: %s\n", className.ToUTF8().c_str(), message.ToUTF8().c_str());
}

}  // namespace

void RuntimeSetExceptionHelper(ExceptionHelper helper) { Helper() = std::move(helper); }

void _UnhandledException(std::exception_ptr error) {
    if (!error) return;
    const String className = detail::ExceptionClassName(error);
    const String message = detail::ExceptionMessage(error);
    if (!QCoreApplication::instance() || gAlertShowing) {
        WriteToStderr(className, message);
        return;
    }

    struct Showing {
        Showing() { gAlertShowing = true; }
        ~Showing() { gAlertShowing = false; }
    } showing;

    ModalRequest request = detail::NewModalRequest(ModalKind::ExceptionAlert, nullptr);
    request.icon = 2;
    request.message = String("予期しないエラーが発生しました（") + className + String("）。");
    request.explanation = message;
    request.action = {String(), true, true, false};
    detail::ShowAlert(request);
}

namespace detail {

void DeliverException(std::exception_ptr error) {
    if (Helper())
        Helper()(std::move(error));
    else
        _UnhandledException(std::move(error));
}

String ExceptionClassName(std::exception_ptr error) {
    if (!error) return String();
    try {
        std::rethrow_exception(error);
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        if (!type) return String();
        int status = 0;
        std::unique_ptr<char, decltype(&std::free)> demangled(
            abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
        return String(WithoutNamespaces(status == 0 && demangled ? demangled.get() : type->name()));
    }
}

String ExceptionMessage(std::exception_ptr error) {
    if (!error) return String();
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return String(std::string_view(e.what()));
    } catch (...) {
        return String();
    }
}

}  // namespace detail

}  // namespace runtime
