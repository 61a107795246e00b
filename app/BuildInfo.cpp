#include "app/BuildInfo.h"

namespace BuildInfo {

runtime::String Toolchain() { return runtime::String(KELDO_COMPILER) + " and Qt " + KELDO_QT_VERSION; }

}  // namespace BuildInfo
