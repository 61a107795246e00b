#pragma once
// The codes of the icon element types the icon tests build and ask for.

#include "platform/carbon/MacTypes.h"

namespace icontest {

constexpr platform::carbon::OSType kIs32 = platform::carbon::FourCharCode("is32");
constexpr platform::carbon::OSType kS8mk = platform::carbon::FourCharCode("s8mk");
constexpr platform::carbon::OSType kIt32 = platform::carbon::FourCharCode("it32");
constexpr platform::carbon::OSType kIcsMono = platform::carbon::FourCharCode("ics#");
constexpr platform::carbon::OSType kIc08 = platform::carbon::FourCharCode("ic08");

}  // namespace icontest
