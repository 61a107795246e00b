#include <cstddef>

#include "platform/plist/Limits.h"
#include "platform/plist/ListShape.h"

namespace platform::plist {

namespace {

constexpr size_t npos = std::string_view::npos;

// Just past the first `end` from `from`; npos when the text ends first.
size_t Past(std::string_view text, size_t from, std::string_view end) {
    const size_t at = text.find(end, from);
    return at == npos ? npos : at + end.size();
}

// The closing quote of a run that opens at `at`, or `at` itself when no
// quote opens there; npos when the run is not closed.
size_t QuoteEnd(std::string_view text, size_t at) { return text[at] == '"' ? text.find('"', at + 1) : at; }

// As Past, with runs in double quotes passed over whole.
size_t PastQuoted(std::string_view text, size_t from, std::string_view end) {
    for (size_t at = from; at < text.size(); ++at) {
        if (text.compare(at, end.size(), end) == 0) return at + end.size();
        if ((at = QuoteEnd(text, at)) == npos) return npos;
    }
    return npos;
}

// Just past a document type declaration begun before `from`, with its
// internal subset in brackets if it has one.
size_t PastDeclaration(std::string_view text, size_t from) {
    for (size_t at = from; at < text.size(); ++at) {
        if (text[at] == '>') return at + 1;
        if (text[at] == '[') return PastQuoted(text, at + 1, "]>");
        if ((at = QuoteEnd(text, at)) == npos) return npos;
    }
    return npos;
}

// The '>' that ends a tag begun before `from`; npos when the text ends or a
// '<' comes first.
size_t TagEnd(std::string_view text, size_t from) {
    for (size_t at = from; at < text.size(); ++at) {
        if (text[at] == '>') return at;
        if (text[at] == '<') return npos;
        if ((at = QuoteEnd(text, at)) == npos) return npos;
    }
    return npos;
}

}  // namespace

bool XmlListFits(std::string_view text) {
    if (text.find('\0') != npos) return false;
    size_t depth = 0;
    size_t values = 0;
    for (size_t at = text.find('<'); at != npos;) {
        const std::string_view rest = text.substr(at);
        size_t next = npos;
        if (rest.starts_with("<!--")) {
            next = Past(text, at + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            next = Past(text, at + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            next = PastQuoted(text, at + 2, "?>");
        } else if (rest.starts_with("<!")) {
            next = PastDeclaration(text, at + 2);
        } else {
            const size_t end = TagEnd(text, at + 1);
            if (end == npos) return false;
            if (rest.starts_with("</")) {
                if (depth == 0) return false;
                --depth;
            } else {
                if (++values > kMaxValues) return false;
                // The plist element around the outermost value is a level more.
                if (text[end - 1] != '/' && ++depth > kMaxNesting + 1) return false;
            }
            next = end + 1;
        }
        if (next == npos) return false;
        at = text.find('<', next);
    }
    return true;
}

}  // namespace platform::plist
