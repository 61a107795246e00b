#include "runtime/app/ModalResponder.h"

#include <QObject>
#include <QTimer>
#include <boost/context/detail/exception.hpp>

#include "runtime/threads/Modal.h"
#include "runtime/ui/Window.h"

namespace runtime {

namespace {

ModalResponder& Responder() {
    static ModalResponder responder;
    return responder;
}

int gPendingBeeps = 0;

}  // namespace

void SetModalResponder(ModalResponder responder) {
    Responder() = std::move(responder);
    if (!Responder()) {
        SetModalWindowAnswerer({});
        return;
    }
    SetModalWindowAnswerer([](Window& window) {
        ModalRequest request = detail::NewModalRequest(ModalKind::Window, nullptr);
        request.title = window.Title();
        request.parent = std::static_pointer_cast<Window>(window.shared_from_this());
        return detail::AskResponder(request).has_value();
    });
}

namespace detail {

void CountBeep() { ++gPendingBeeps; }

ModalRequest NewModalRequest(ModalKind kind, std::shared_ptr<Window> parent) {
    ModalRequest request;
    request.kind = kind;
    request.parent = std::move(parent);
    request.beeps = gPendingBeeps;
    gPendingBeeps = 0;
    return request;
}

std::optional<ModalAnswer> AskResponder(const ModalRequest& request) {
    if (!Responder()) return std::nullopt;

    struct Exchange {
        bool done = false;
        ModalAnswer answer;
        std::exception_ptr error;
    };
    auto exchange = std::make_shared<Exchange>();
    {
        // The context object cancels the call if the loop ends without it
        // (the application quit first).
        QObject context;
        QTimer::singleShot(0, &context, [exchange, responder = Responder(), request] {
            try {
                exchange->answer = responder(request);
            } catch (const boost::context::detail::forced_unwind&) {
                throw;
            } catch (...) {
                exchange->error = std::current_exception();
            }
            exchange->done = true;
        });
        RunNestedLoop([&] { return exchange->done; });
    }
    if (exchange->error) std::rethrow_exception(exchange->error);
    return exchange->answer;
}

}  // namespace detail

}  // namespace runtime
