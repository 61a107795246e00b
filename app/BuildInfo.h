#pragma once
// What the About panel and the home-page command name: the maker's addresses
// and the tools that built this program.

#include "runtime/core/String.h"

namespace BuildInfo {

inline constexpr const char* kHomePage = "https://www.keldo.example/KELDO/";
inline constexpr const char* kContactAddress = "support@keldo.example";

// The compiler (by its common name, "GCC 12.2.0") and the Qt version the
// program was built with.
runtime::String Toolchain();

}  // namespace BuildInfo
