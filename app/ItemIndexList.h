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

// The list with one more index at its end.
inline runtime::String Append(const runtime::String& list, int32_t index) { return list + runtime::Str(index) + ":"; }

// The indexes in their order; the text after the last ":" is not one, and a
// field that is no number reads as 0.
inline std::vector<int32_t> Read(const runtime::String& list) {
    const int32_t n = runtime::CountFields(list, ":");
    std::vector<int32_t> indexes;
    for (int32_t i = 1; i <= n - 1; ++i)
        indexes.push_back(runtime::CInt32(runtime::Val(runtime::NthField(list, ":", i))));
    return indexes;
}

}  // namespace ItemIndexList
