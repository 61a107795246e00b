#pragma once
// Stands in for the user at the program's modal requests: once Answer() is
// called, every request is kept in `asked` and answered, a folder or file
// chooser with the chosen item (nil: cancelled), any other with the button.
// The responder goes with the object. Use it as an object or as a fixture's
// second base.

#include <string>
#include <vector>

#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"

namespace testsupport {

class ModalAnswerer {
public:
    using Button = runtime::ModalAnswer::Button;

    ModalAnswerer() = default;
    ~ModalAnswerer() { runtime::SetModalResponder({}); }
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    void Answer(Button button, runtime::FolderItemRef chosen = nullptr) {
        runtime::SetModalResponder([this, button, chosen](const runtime::ModalRequest& request) {
            asked.push_back(request);
            if (request.kind == runtime::ModalKind::SelectFolder || request.kind == runtime::ModalKind::OpenFile)
                return runtime::ModalAnswer::Choose(chosen);
            return runtime::ModalAnswer::Press(button);
        });
    }

    // The message of each request asked so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const runtime::ModalRequest& request : asked) messages.push_back(request.message.Bytes());
        return messages;
    }

    std::vector<runtime::ModalRequest> asked;
};

}  // namespace testsupport
