#include "plugin/IconTables.h"

namespace feltrix {

namespace {
constexpr OSType T(const char (&code)[5]) { return platform::carbon::FourCharCode(code); }
}  // namespace

const std::array<OSType, kIconIDCount> kIconElementTypes = {
    T("it32"), T("ih32"), T("ich8"), T("il32"), T("icl8"), T("is32"), T("ics8"), T("icm8"), T("t8mk"), T("h8mk"),
    T("ich#"), T("l8mk"), T("ICN#"), T("s8mk"), T("ics#"), T("icm#"), T("ic08"), T("ic08"), T("ic09"), T("ic09"),
};

const std::array<OSType, kSystemIconCount> kSystemIconTypes = {
    T("fldr"), T("dbox"), T("mntd"), T("ofld"), T("ownd"), T("prvf"), T("shfl"), T("CLIP"), T("clpu"),
    T("clpp"), T("clpt"), T("clps"), T("desk"), T("FNDR"), T("root"), T("FFIL"), T("ftrh"), T("APPL"),
    T("cddr"), T("APPC"), T("sdev"), T("thng"), T("APPD"), T("docu"), T("edtf"), T("INIT"), T("srvr"),
    T("ffil"), T("sclr"), T("flpy"), T("hdsk"), T("idsk"), T("rmov"), T("movr"), T("pcmc"), T("pref"),
    T("qery"), T("ramd"), T("shlb"), T("sdoc"), T("suit"), T("gurl"), T("worm"), T("ifil"), T("kfil"),
    T("sfil"), T("zsys"), T("trsh"), T("tfil"), T("sfnt"), T("ttcf"), T("udsk"), T("unfs"), T("ifil"),
};

// width, height, format, colour table, row bytes, data offset, alpha pass
const std::array<IconGeometry, kIconIDCount> kIconGeometry = {{
    {128, 128, 32, 0, 512, 0, false},   // 0  it32
    {48, 48, 32, 0, 192, 0, false},     // 1  ih32
    {48, 48, 8, 0, 48, 0, false},       // 2  ich8
    {32, 32, 32, 0, 128, 0, false},     // 3  il32
    {32, 32, 8, 0, 32, 0, false},       // 4  icl8
    {16, 16, 32, 0, 64, 0, false},      // 5  is32
    {16, 16, 8, 0, 16, 0, false},       // 6  ics8
    {16, 12, 8, 0, 16, 0, false},       // 7  icm8
    {128, 128, 40, 40, 128, 0, false},  // 8  t8mk
    {48, 48, 40, 40, 48, 0, false},     // 9  h8mk
    {48, 48, 1, 1, 6, 288, false},      // 10 ich#, mask half
    {32, 32, 40, 40, 32, 0, false},     // 11 l8mk
    {32, 32, 1, 1, 4, 128, false},      // 12 ICN#, mask half
    {16, 16, 40, 40, 16, 0, false},     // 13 s8mk
    {16, 16, 1, 1, 2, 32, false},       // 14 ics#, mask half
    {16, 12, 1, 1, 2, 24, false},       // 15 icm#, mask half
    {256, 256, 32, 0, 1024, 0, false},  // 16 ic08
    {256, 256, 32, 0, 1024, 0, true},   // 17 ic08, mask
    {512, 512, 32, 0, 2048, 0, false},  // 18 ic09
    {512, 512, 32, 0, 2048, 0, true},   // 19 ic09, mask
}};

}  // namespace feltrix
