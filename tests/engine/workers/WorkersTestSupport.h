#pragma once
// The catalogue entries the workers' runs are driven over.

#include <string>

#include "runtime/core/Dictionary.h"
#include "runtime/core/TextFunctions.h"
#include "tests/engine/support/EngineHarness.h"

namespace engine_testing {

// A catalogue entry with one application and the other names of a product.
inline runtime::DictionaryRef Product(const std::string& label, const std::string& appName, const std::string& appType,
                                      const std::string& prefName, const std::string& plistKey,
                                      const std::string& apSpName) {
    auto e = std::make_shared<runtime::Dictionary>();
    e->SetValue("appLabel", runtime::String(label.c_str()));
    e->SetValue("appCount", "1");
    e->SetValue("appName1", runtime::String(appName.c_str()));
    e->SetValue("appType1", runtime::String(appType.c_str()));
    e->SetValue("prefName", runtime::String(prefName.c_str()));
    e->SetValue("plistNam", runtime::String(plistKey.c_str()));
    e->SetValue("apSpName", runtime::String(apSpName.c_str()));
    return e;
}

}  // namespace engine_testing
