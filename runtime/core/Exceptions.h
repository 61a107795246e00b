#pragma once
// The framework's runtime exceptions, and the nil check every dereference goes through.

#include <exception>
#include <memory>
#include <string>

#include "runtime/core/String.h"

namespace runtime {

class RuntimeException : public std::exception {
public:
    RuntimeException() = default;
    explicit RuntimeException(String message) : message_(std::move(message)), what_(message_.ToUTF8()) {}

    const String& Message() const { return message_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    String message_;
    std::string what_;
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("Nil object") {}
    using RuntimeException::RuntimeException;
};

class KeyNotFoundException : public RuntimeException {
public:
    KeyNotFoundException() : RuntimeException("Key not found") {}
    using RuntimeException::RuntimeException;
};

class OutOfBoundsException : public RuntimeException {
public:
    OutOfBoundsException() : RuntimeException("Out of bounds") {}
    using RuntimeException::RuntimeException;
};

class UnsupportedFormatException : public RuntimeException {
public:
    UnsupportedFormatException() : RuntimeException("Unsupported format") {}
    using RuntimeException::RuntimeException;
};

// The object behind a reference; using nil raises NilObjectException.
template <class T>
T& Deref(const std::shared_ptr<T>& p) {
    if (!p) throw NilObjectException();
    return *p;
}

}  // namespace runtime
