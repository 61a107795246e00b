#pragma once
// How folder entries are ordered and matched by name: letter case ignored
// (Unicode simple case folding), then bytewise. Names are bytes taken as
// UTF-8; a byte that is not part of valid UTF-8 stands for itself.

#include <string>
#include <string_view>

namespace runtime::files {

// <0, 0, >0: case-insensitive order, ties broken bytewise. A total order:
// 0 only for byte-equal names.
int CompareNames(std::string_view a, std::string_view b);

// The name folded once, for sorting many names: comparing two keys bytewise,
// then the names bytewise, gives the order of CompareNames.
std::string NameOrderKey(std::string_view name);
void AppendNameOrderKey(std::string& keys, std::string_view name);

// The names are equal when letter case is ignored, and when they differ only
// in full-width forms that Mac Japanese writes and reads back as JIS
// characters (～ and 〜): a name that came through Mac Japanese still finds
// its item.
bool NamesEqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace runtime::files
