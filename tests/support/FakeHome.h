#pragma once
// A temporary HOME, with TMPDIR inside it, laid out as the program expects a
// user's home: Applications, Library/Preferences, Library/Application Support
// and Documents. Both variables come back when the object goes.

#include <string>

#include "tests/support/EnvGuard.h"
#include "tests/support/TempFolder.h"

namespace testsupport {

class FakeHome {
public:
    FakeHome() {
        root_.MakeFolder("Applications");
        root_.MakeFolder("Library/Preferences");
        root_.MakeFolder("Library/Application Support");
        root_.MakeFolder("Documents");
    }

    std::string Path(const std::string& relative) const { return root_ / relative; }
    std::string Applications(const std::string& relative = "") const { return Join("Applications", relative); }
    std::string Preferences(const std::string& relative = "") const { return Join("Library/Preferences", relative); }
    std::string ApplicationSupport(const std::string& relative = "") const {
        return Join("Library/Application Support", relative);
    }

    std::string MakeFolder(const std::string& relative) const { return root_.MakeFolder(relative); }
    std::string Write(const std::string& relative, const std::string& bytes) const {
        return root_.Write(relative, bytes);
    }

    // An application package: Contents/PkgInfo holding the code, and an
    // Info.plist naming the maker when maker is true.
    std::string MakeAppBundle(const std::string& relative, const std::string& code, bool maker = false) const {
        const std::string path = root_.MakeFolder(relative);
        if (!code.empty()) root_.Write(relative + "/Contents/PkgInfo", code + "\n");
        if (maker)
            root_.Write(relative + "/Contents/Info.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n"
                        "<key>CFBundleGetInfoString</key><string>KELDO Software</string>\n</dict></plist>\n");
        return path;
    }

private:
    std::string Join(const std::string& folder, const std::string& relative) const {
        return relative.empty() ? root_ / folder : root_ / (folder + "/" + relative);
    }

    TempFolder root_;
    EnvGuard home_{"HOME", root_.Path()};
    EnvGuard tmp_{"TMPDIR", root_.MakeFolder("tmp")};
};

}  // namespace testsupport
