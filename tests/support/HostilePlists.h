#pragma once
// Property lists that no writer makes, byte for byte, as damaged or hostile
// packages carry them, and sparse files, large on paper and taking no disk
// space. Each list is a dictionary whose CFBundleIconFile names "Sample" (or
// "Sample" and more), so a reader that takes it for sound shows the icon
// Resources/Sample.icns.

#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/plist/Limits.h"
#include "tests/support/TempFolder.h"

namespace testsupport {

// A binary list built object by object, references two bytes wide. The
// objects refer to each other by the indexes in which they are added; the
// last one added is the top one.
class BinaryPlistBuilder {
public:
    // Each adds an object and gives its index.
    size_t Ascii(const std::string& text) { return Add(Marker(0x50, text.size()) + text); }
    size_t Utf16(const std::u16string& text) {
        std::string object = Marker(0x60, text.size());
        for (const char16_t unit : text) object += {char(unit >> 8), char(unit & 0xFF)};
        return Add(object);
    }
    size_t Data(const std::string& bytes) { return Add(Marker(0x40, bytes.size()) + bytes); }
    size_t Array(const std::vector<size_t>& items) { return Add(Marker(0xA0, items.size()) + References(items)); }
    size_t Dictionary(const std::vector<size_t>& keys, const std::vector<size_t>& values) {
        return Add(Marker(0xD0, keys.size()) + References(keys) + References(values));
    }
    // Arrays each holding the next `width` times, the last one empty; the
    // index of the first.
    size_t Nested(int levels, int width = 1) {
        const size_t first = Next();
        for (int i = 1; i < levels; ++i) Array(std::vector<size_t>(size_t(width), Next() + 1));
        Array({});
        return first;
    }
    size_t Next() const { return objects_.size(); }

    std::string Bytes() const {
        std::string out = "bplist00";
        std::vector<size_t> offsets;
        for (const std::string& object : objects_) {
            offsets.push_back(out.size());
            out += object;
        }
        const size_t table = out.size();
        for (const size_t offset : offsets) out += Big(offset, 4);
        return out + std::string(6, '\0') + Big(4, 1) + Big(2, 1) + Big(objects_.size(), 8) +
               Big(objects_.size() - 1, 8) + Big(table, 8);
    }

private:
    static std::string Big(uint64_t value, int width) {
        std::string out;
        for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) out += char((value >> shift) & 0xFF);
        return out;
    }
    // The kind and a count, the count in an integer object of its own from 15 on.
    static std::string Marker(uint8_t kind, size_t count) {
        if (count < 15) return std::string(1, char(kind | count));
        return std::string(1, char(kind | 0x0F)) + "\x12" + Big(count, 4);
    }
    static std::string References(const std::vector<size_t>& indexes) {
        std::string out;
        for (const size_t index : indexes) out += Big(index, 2);
        return out;
    }
    size_t Add(std::string object) {
        objects_.push_back(std::move(object));
        return objects_.size() - 1;
    }

    std::vector<std::string> objects_;
};

struct HostilePlist {
    std::string name;  // also a file name
    std::string bytes;
};

// The hostile lists: a NUL in a string or key (libplist aborts on some and
// silently cuts others short), nesting past any stack (in a value, and in a
// key, which libplist parses before it looks at its type), a reference cycle,
// and shared references that expand to more than 2^32 values or to more bytes
// than kMaxValueBytes: a string, data, a UTF-16 string, and an array of
// references to one string, each referred to many times from an array.
inline std::vector<HostilePlist> HostilePlists() {
    using Add = std::function<size_t(BinaryPlistBuilder&)>;
    // {key: the object `icon` adds, More: the one `more` adds}.
    const auto binary = [](const std::string& key, const Add& icon, const Add& more) {
        BinaryPlistBuilder b;
        const size_t iconKey = b.Ascii(key), iconValue = icon(b), moreKey = b.Ascii("More"), moreValue = more(b);
        b.Dictionary({iconKey, moreKey}, {iconValue, moreValue});
        return b.Bytes();
    };
    const auto ascii = [](const std::string& text) -> Add {
        return [=](BinaryPlistBuilder& b) { return b.Ascii(text); };
    };
    const auto utf16 = [](const std::u16string& text) -> Add {
        return [=](BinaryPlistBuilder& b) { return b.Utf16(text); };
    };
    const auto data = [](const std::string& bytes) -> Add {
        return [=](BinaryPlistBuilder& b) { return b.Data(bytes); };
    };
    const auto nested = [](int levels, int width) -> Add {
        return [=](BinaryPlistBuilder& b) { return b.Nested(levels, width); };
    };
    // An array that refers `times` times to the value `value` adds.
    const auto shared = [](const Add& value, size_t times) -> Add {
        return [=](BinaryPlistBuilder& b) { return b.Array(std::vector<size_t>(times, value(b))); };
    };
    const Add cycle = [](BinaryPlistBuilder& b) { return b.Array({b.Next()}); };
    const auto xml = [](const std::string& icon, const std::string& more) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
               "<key>CFBundleIconFile</key><string>" +
               icon + "</string>\n<key>More</key>" + more + "\n</dict>\n</plist>\n";
    };
    const std::string key = "CFBundleIconFile";
    const std::string nulName("Sample\0x", 8);
    using platform::plist::kMaxValueBytes;
    const size_t block = 64 << 10, units = block / 2;
    std::string deepXml;
    for (int i = 0; i < 15000; ++i) deepXml += "<array>";
    for (int i = 0; i < 15000; ++i) deepXml += "</array>";
    BinaryPlistBuilder deepKey;  // {CFBundleIconFile: Sample, <9,000 nested arrays>: Sample}
    const size_t iconKey = deepKey.Ascii(key), icon = deepKey.Ascii("Sample");
    deepKey.Dictionary({iconKey, deepKey.Nested(9000)}, {icon, icon});

    return {
        {"utf16-nul", binary(key, utf16(std::u16string(u"Sample\0x", 8)), ascii(""))},
        {"ascii-nul", binary(key, ascii(nulName), ascii(""))},
        {"key-nul", binary(key + std::string("\0x", 2), ascii("Sample"), ascii(""))},
        {"xml-nul", xml(nulName, "<true/>")},
        {"deep-binary", binary(key, ascii("Sample"), nested(9000, 1))},
        {"deep-key", deepKey.Bytes()},
        {"deep-xml", xml("Sample", deepXml)},
        {"cyclic", binary(key, ascii("Sample"), cycle)},
        {"expanding", binary(key, ascii("Sample"), nested(33, 2))},
        // 220 KB asking for 2 GB.
        {"shared-string", binary(key, ascii("Sample"), shared(ascii(std::string(200000, 'x')), 10000))},
        // Each just over the bound: one copy more than it holds; a UTF-16
        // string over at 3 bytes a unit, within at the 2 it takes in the list;
        // copies of copies.
        {"shared-data",
         binary(key, ascii("Sample"), shared(data(std::string(block, 'x')), kMaxValueBytes / block + 1))},
        {"shared-utf16",
         binary(key, ascii("Sample"), shared(utf16(std::u16string(units, u'あ')), kMaxValueBytes / (units * 5 / 2)))},
        {"shared-nested",
         binary(key, ascii("Sample"),
                shared(shared(ascii(std::string(block, 'x')), 16), kMaxValueBytes / (16 * block) + 1))},
    };
}

// A file that begins with head and is `size` bytes long, the rest a hole.
inline std::string WriteSparseFile(const std::string& path, const std::string& head, off_t size) {
    WriteFile(path, head);
    if (::truncate(path.c_str(), size) != 0) return {};
    return path;
}

}  // namespace testsupport
