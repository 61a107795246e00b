#pragma once
// Feltrix: the icon plug-in. What the library exports to the runtime.
//
// It adds two global functions to the language, each giving one element of
// an icon family as a picture:
//   GetIconFromFile(f As FolderItem, iconID As Integer) As Picture
//   GetIconFromSystem(iconNo As Integer, iconID As Integer) As Picture

#include <cstdint>

#include "runtime/plugins/PluginInterface.h"

#define FELTRIX_EXPORT __attribute__((visibility("default")))

extern "C" {

// The runtime's resolver, kept by REALPluginMain.
FELTRIX_EXPORT extern PluginResolver gResolver;

FELTRIX_EXPORT extern REALmethodDefinition GetIconFromFileDefn;
FELTRIX_EXPORT extern REALmethodDefinition GetIconFromSystemDefn;

// Keeps the resolver, announces interface version 9 and runs PluginEntry.
FELTRIX_EXPORT void REALPluginMain(PluginResolver resolver);
// Registers GetIconFromFile, then GetIconFromSystem.
FELTRIX_EXPORT void PluginEntry();

// The element iconID (0 ... 19) of the item's icon; nil on any failure.
REALpicture GetIconFromFile(REALfolderItem f, int32_t iconID);
// The element iconID of the system icon iconNo (0 ... 53); nil on any failure.
REALpicture GetIconFromSystem(int32_t iconNo, int32_t iconID);
}
