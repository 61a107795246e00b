#include "runtime/app/DisplayCheck.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string_view>

namespace runtime::detail {

namespace {

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

bool IsSocket(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// A Wayland display is a socket in the runtime folder (or an absolute path).
bool WaylandReachable(std::string_view display) {
    if (display.empty()) return false;
    if (display.front() == '/') return IsSocket(std::string(display));
    const std::string_view runtimeDir = Variable("XDG_RUNTIME_DIR");
    return !runtimeDir.empty() && IsSocket(std::string(runtimeDir) + "/" + std::string(display));
}

// A local X display ":N[.S]" listens on /tmp/.X11-unix/XN; a display on
// another host cannot be checked here and counts as reachable.
bool X11Reachable(std::string_view display) {
    if (display.empty()) return false;
    if (display.front() != ':') return true;
    std::string_view number = display.substr(1);
    number = number.substr(0, number.find('.'));
    if (number.empty()) return false;
    return IsSocket("/tmp/.X11-unix/X" + std::string(number));
}

}  // namespace

std::string MissingDisplayReason() {
    const std::string_view platform = Variable("QT_QPA_PLATFORM");
    const bool wantsWindowSystem = platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    if (!wantsWindowSystem) return "";

    const std::string_view wayland = Variable("WAYLAND_DISPLAY");
    const std::string_view x11 = Variable("DISPLAY");
    if (WaylandReachable(wayland) || X11Reachable(x11)) return "";
    if (wayland.empty() && x11.empty()) return "no display found (DISPLAY and WAYLAND_DISPLAY are not set)";
    return "cannot reach the display " + std::string(!x11.empty() ? x11 : wayland);
}

}  // namespace runtime::detail
