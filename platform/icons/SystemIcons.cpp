#include "platform/icons/SystemIcons.h"

namespace platform::icons {

using namespace carbon;

namespace {

using S = StandardIcon;
constexpr OSType T(const char (&code)[5]) { return FourCharCode(code); }

const SystemIcon kSystemIcons[] = {
    {T("fldr"), "folder", S::Folder},
    {T("dbox"), "folder-publicshare", S::Folder},
    {T("mntd"), "folder", S::Folder},
    {T("ofld"), "folder-open", S::OpenFolder},
    {T("ownd"), "folder", S::Folder},
    {T("prvf"), "folder", S::Folder},
    {T("shfl"), "folder-remote", S::Folder},
    {T("CLIP"), "text-x-generic", S::File},
    {T("clpu"), "text-x-generic", S::File},
    {T("clpp"), "image-x-generic", S::File},
    {T("clpt"), "text-x-generic", S::File},
    {T("clps"), "audio-x-generic", S::File},
    {T("desk"), "user-desktop", S::Desktop},
    {T("FNDR"), "system-file-manager", S::Computer},
    {T("root"), "drive-harddisk", S::HardDisk},
    {T("FFIL"), "font-x-generic", S::File},
    {T("ftrh"), "user-trash-full", S::Trash},
    {T("APPL"), "application-x-executable", S::File},
    {T("cddr"), "drive-optical", S::OpticalDisc},
    {T("APPC"), "preferences-system", S::File},
    {T("sdev"), "application-x-executable", S::File},
    {T("thng"), "application-x-addon", S::File},
    {T("APPD"), "application-x-executable", S::File},
    {T("docu"), "text-x-generic", S::File},
    {T("edtf"), "text-x-generic", S::File},
    {T("INIT"), "application-x-addon", S::File},
    {T("srvr"), "network-server", S::NetworkDrive},
    {T("ffil"), "font-x-generic", S::File},
    {T("sclr"), "application-x-addon", S::File},
    {T("flpy"), "media-floppy", S::FloppyDisk},
    {T("hdsk"), "drive-harddisk", S::HardDisk},
    {T("idsk"), "drive-harddisk", S::HardDisk},
    {T("rmov"), "drive-removable-media", S::HardDisk},
    {T("movr"), "drive-removable-media", S::HardDisk},
    {T("pcmc"), "media-flash", S::HardDisk},
    {T("pref"), "preferences-other", S::File},
    {T("qery"), "system-search", S::File},
    {T("ramd"), "drive-harddisk", S::HardDisk},
    {T("shlb"), "application-x-sharedlib", S::File},
    {T("sdoc"), "text-x-generic", S::File},
    {T("suit"), "font-x-generic", S::File},
    {T("gurl"), "text-html", S::File},
    {T("worm"), "drive-optical", S::OpticalDisc},
    {T("ifil"), "audio-x-generic", S::File},
    {T("kfil"), "input-keyboard", S::File},
    {T("sfil"), "audio-x-generic", S::File},
    {T("zsys"), "text-x-generic", S::File},
    {T("trsh"), "user-trash", S::Trash},
    {T("tfil"), "font-x-generic", S::File},
    {T("sfnt"), "font-x-generic", S::File},
    {T("ttcf"), "font-x-generic", S::File},
    {T("udsk"), "drive-harddisk", S::HardDisk},
    {T("unfs"), "folder-remote", S::NetworkDrive},
};

}  // namespace

const SystemIcon* FindSystemIcon(OSType type) {
    for (const SystemIcon& icon : kSystemIcons) {
        if (icon.type == type) return &icon;
    }
    return nullptr;
}

}  // namespace platform::icons
