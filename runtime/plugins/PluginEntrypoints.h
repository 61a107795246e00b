#pragma once
// The application's side of plug-ins: its table of entry points, each bound
// by declaration, and the calls through them.
//
// The application binds entry 0 ("_") and entries 1 to 80 to routines of the
// original framework's own plug-in based classes; this runtime provides those
// classes natively, no plug-in registers their declarations, and their
// lookups give nullptr. Only plug-in functions proper (entry 81,
// "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture") bind.

#include <cstdint>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"
#include "runtime/ui/Picture.h"

namespace runtime {

class PluginEntrypointTable {
public:
    explicit PluginEntrypointTable(int32_t count = 0);

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // nullptr for an unbound entry or an index outside the table.
    void* Entry(int32_t index) const;
    // Ignored for an index outside the table.
    void SetEntry(int32_t index, void* function);

private:
    std::vector<void*> entries_;
};

// A table of count unbound entries (none for a negative count).
PluginEntrypointTable RuntimeAllocatePluginEntrypointsTable(int32_t count);

// The function that a loaded plug-in registered under the declaration, or
// nullptr. Loads the bundle's plug-ins first if that has not happened yet.
void* RuntimeLookupPluginEntrypoint(const String& declaration);

// Calls a "(f As FolderItem, n As Integer) As Picture" plug-in function. The
// folder item is handed over for the call only; the returned picture is the
// caller's. An unbound entry, or no picture, gives nullptr.
PictureRef CallPictureFunction(void* entry, const FolderItemRef& f, int32_t n);

}  // namespace runtime
