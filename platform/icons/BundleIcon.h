#pragma once
// Application packages and the icon file of a bundle.

#include <string>

namespace platform::icons {

// True when the folder's name has the extension "app" (letter case ignored):
// an application package.
bool IsApplicationPackage(const std::string& folderPath);

// The icon file that the bundle's Contents/Info.plist names under
// CFBundleIconFile, in Contents/Resources, with ".icns" added when the name
// lacks it. "" when the folder has no readable Info.plist (one larger than
// platform::plist::kMaxInfoPlistBytes or refused by ParsePropertyList
// included), the plist names no icon file, the name is not a plain file
// name, or no regular file is there.
std::string BundleIconFile(const std::string& bundlePath);

}  // namespace platform::icons
