#pragma once
// Sets or clears an environment variable for the life of the object and puts
// the value it had before back when the object goes. A value of nullptr or
// nullopt clears the variable.

#include <stdlib.h>

#include <optional>
#include <string>

namespace testsupport {

class EnvGuard {
public:
    EnvGuard(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        Set(value);
    }
    EnvGuard(std::string name, const char* value)
        : EnvGuard(std::move(name), value ? std::optional<std::string>(value) : std::nullopt) {}
    ~EnvGuard() { Set(old_); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

    // Changes the variable again; the value from before the guard still comes back.
    void Set(const std::optional<std::string>& value) const {
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    // The value from before the guard.
    const std::optional<std::string>& Old() const { return old_; }

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace testsupport
