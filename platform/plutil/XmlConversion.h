#pragma once
// Rewrites a property-list file, binary or XML, in the XML form.

#include <string>

namespace platform::plutil {

// Converts the file at `path` in place. The new text goes to a temporary file
// in the same folder, which then takes the file's place, so a failure leaves
// the file as it was. Returns "" on success, else a short reason.
[[nodiscard]] std::string ConvertFileToXml(const std::string& path);

}  // namespace platform::plutil
