#include "runtime/ui/ColumnWidths.h"

#include <algorithm>
#include <string>

namespace runtime {

namespace {

struct Entry {
    enum Kind { Pixels, Percent, Share } kind = Share;
    double value = 1;
};

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

double Number(const std::string& s) {
    try {
        return s.empty() ? 0 : std::max(0.0, std::stod(s));
    } catch (...) {
        return 0;
    }
}

Entry Parse(const std::string& raw) {
    const std::string text = Trimmed(raw);
    if (text.empty()) return {Entry::Share, 1};
    if (text.back() == '*') {
        const std::string n = Trimmed(text.substr(0, text.size() - 1));
        return {Entry::Share, n.empty() ? 1 : Number(n)};
    }
    if (text.back() == '%') return {Entry::Percent, Number(text.substr(0, text.size() - 1))};
    return {Entry::Pixels, Number(text)};
}

}  // namespace

std::vector<int> ComputeColumnWidths(const String& widths, int columnCount, int totalWidth) {
    if (columnCount <= 0) return {};
    totalWidth = std::max(0, totalWidth);
    std::vector<Entry> entries(static_cast<size_t>(columnCount));
    const std::string text = widths.ToUTF8();
    size_t start = 0;
    for (int column = 0; column < columnCount && start <= text.size(); ++column) {
        const size_t comma = text.find(',', start);
        const size_t end = comma == std::string::npos ? text.size() : comma;
        entries[static_cast<size_t>(column)] = Parse(text.substr(start, end - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }

    std::vector<int> result(static_cast<size_t>(columnCount), 0);
    int used = 0;
    double shares = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind == Entry::Pixels)
            result[i] = static_cast<int>(entries[i].value);
        else if (entries[i].kind == Entry::Percent)
            result[i] = static_cast<int>(totalWidth * entries[i].value / 100.0);
        else
            shares += entries[i].value;
        if (entries[i].kind != Entry::Share) used += result[i];
    }
    if (shares <= 0) return result;
    // The last shared column takes the rounding remainder.
    const int rest = std::max(0, totalWidth - used);
    int given = 0;
    size_t lastShare = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind != Entry::Share) continue;
        result[i] = static_cast<int>(rest * entries[i].value / shares);
        given += result[i];
        lastShare = i;
    }
    if (entries[lastShare].value > 0) result[lastShare] += rest - given;
    return result;
}

}  // namespace runtime
