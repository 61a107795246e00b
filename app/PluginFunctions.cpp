// The plug-in entry table and the functions called through it.
#include "app/PluginFunctions.h"

using namespace runtime;

PluginEntrypointTable& PluginEntrypoints() {
    static PluginEntrypointTable table;
    return table;
}

PictureRef GetIconFromFile(const FolderItemRef& f, int32_t iconID) {
    return CallPictureFunction(PluginEntrypoints().Entry(81), f, iconID);
}
