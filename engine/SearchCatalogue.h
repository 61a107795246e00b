#pragma once
// The catalogue as the search road's scans read it, taken once per search from
// Globals::gItem (filled at start-up and never changed afterwards): for each
// product, in catalogue order, its label, its counts of applications and
// document types, and the values for j = 1 to each count. A value the
// product lacks, or one past the 10,000 the catalogue file allows, is missing,
// and a missing value never hits.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/core/Dictionary.h"
#include "runtime/core/String.h"

class SearchCatalogue {
public:
    struct Application {
        std::optional<runtime::String> name;  // "appName" + j
        std::optional<runtime::String> type;  // "appType" + j
    };

    class Product {
    public:
        explicit Product(const runtime::DictionaryRef& entry);

        const runtime::String& Label() const { return label_; }  // "appLabel", or ""
        int32_t AppCount() const { return appCount_; }           // "appCount" as a whole number, at least 0
        int32_t DocCount() const { return docCount_; }           // "docCount" likewise
        // Value j, 1 <= j <= the count.
        const Application& App(int32_t j) const;
        const std::optional<runtime::String>& DocType(int32_t j) const;  // "docType" + j

    private:
        runtime::String label_;
        int32_t appCount_ = 0;
        int32_t docCount_ = 0;
        std::vector<Application> apps_;
        std::vector<std::optional<runtime::String>> docTypes_;
    };

    static SearchCatalogue Read();

    const std::vector<Product>& Products() const { return products_; }

private:
    std::vector<Product> products_;
};
