#pragma once
// ItemIndexList: the pFI indexes of one product's items, kept as the text of
// column 5 of the product's row: each index in decimal followed by ":", so
// 3, 4 and 7 give "3:4:7:" and "" lists nothing. The search worker writes it
// while it looks a product up; the window reads it when the row is expanded.

#include <cstdint>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/core/TextFunctions.h"

namespace ItemIndexList {

// The list with one more index at its end; a list moved in grows in place.
inline runtime::String Append(runtime::String list, int32_t index) {
    list += runtime::Str(index);
    list += ":";
    return list;
}

// The indexes in their order; the text after the last ":" is not one, and a
// field that is no number reads as 0.
inline std::vector<int32_t> Read(const runtime::String& list) {
    const std::vector<runtime::String> fields = runtime::Fields(list, ":");
    std::vector<int32_t> indexes;
    for (size_t i = 0; i + 1 < fields.size(); ++i) indexes.push_back(runtime::CInt32(runtime::Val(fields[i])));
    return indexes;
}

}  // namespace ItemIndexList
