#include "engine/SearchCatalogue.h"

#include <algorithm>

#include "foundation/Globals.h"
#include "runtime/core/TextFunctions.h"

using namespace runtime;

namespace {

// Values kept per count: the catalogue file allows no larger count, and a
// value beyond them counts as missing.
constexpr int32_t kKeptValues = 10000;

const SearchCatalogue::Application kMissingApp{};
const std::optional<String> kMissingDocType{};

std::optional<String> ValueOf(const DictionaryRef& entry, const String& key) {
    if (!entry || !entry->HasKey(key)) return std::nullopt;
    return entry->Value(key).StringValue();
}

// A missing or negative count is 0 and a fraction is cut off.
int32_t CountOf(const DictionaryRef& entry, const String& key) {
    const std::optional<String> text = ValueOf(entry, key);
    if (!text) return 0;
    return std::max(CInt32(Val(*text)), 0);
}

}  // namespace

SearchCatalogue::Product::Product(const DictionaryRef& entry)
    : label_(ValueOf(entry, "appLabel").value_or(String())),
      appCount_(CountOf(entry, "appCount")),
      docCount_(CountOf(entry, "docCount")) {
    for (int32_t j = 1; j <= std::min(appCount_, kKeptValues); ++j)
        apps_.push_back({ValueOf(entry, "appName" + Str(j)), ValueOf(entry, "appType" + Str(j))});
    for (int32_t j = 1; j <= std::min(docCount_, kKeptValues); ++j)
        docTypes_.push_back(ValueOf(entry, "docType" + Str(j)));
}

const SearchCatalogue::Application& SearchCatalogue::Product::App(int32_t j) const {
    if (j >= 1 && static_cast<size_t>(j) <= apps_.size()) return apps_[static_cast<size_t>(j) - 1];
    return kMissingApp;
}

const std::optional<String>& SearchCatalogue::Product::DocType(int32_t j) const {
    if (j >= 1 && static_cast<size_t>(j) <= docTypes_.size()) return docTypes_[static_cast<size_t>(j) - 1];
    return kMissingDocType;
}

SearchCatalogue SearchCatalogue::Read() {
    SearchCatalogue catalogue;
    for (const DictionaryRef& entry : Globals::gItem) catalogue.products_.emplace_back(entry);
    return catalogue;
}
