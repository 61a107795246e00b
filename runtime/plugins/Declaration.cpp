#include "runtime/plugins/Declaration.h"

namespace runtime {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool IsPunctuation(char c) { return c == '(' || c == ')' || c == ',' || c == ':'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string NormaliseDeclaration(std::string_view declaration) {
    std::string out;
    out.reserve(declaration.size());
    bool pendingBlank = false;
    for (char c : declaration) {
        if (IsBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank && !IsPunctuation(c) && !IsPunctuation(out.back())) out.push_back(' ');
        pendingBlank = false;
        out.push_back(LowerAscii(c));
    }
    return out;
}

}  // namespace runtime
