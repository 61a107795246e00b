#pragma once
// The runtime's entries the plug-in calls, each resolved by name on its first
// use and kept. A name the resolver does not know makes the call return 0.

#include <cstdint>

#include "platform/icons/Offscreen.h"
#include "runtime/plugins/PluginInterface.h"

namespace feltrix {

// Forgets the kept entries; the next calls resolve them through gResolver.
void ResetRuntimeEntries();

// "RegisterPluginVersion"; false when the runtime does not know it.
bool RegisterPluginVersion(int32_t version);
// "PluginRegisterMethod": 1 registered, 0 refused or unknown.
int32_t REALRegisterMethod(const REALmethodDefinition* definition);
// "REALFSRefFromFolderItem".
bool REALFSRefFromFolderItem(REALfolderItem item, REALfsRef* ref);
// "REALBuildPictureFromGWorld", with the world described as a pixel buffer of
// rowBytes x height bytes.
REALpicture REALBuildPictureFromGWorld(platform::icons::GWorldPtr world);

}  // namespace feltrix
