#pragma once
// A temporary home whose data folder, home/.local/share, holds the Trash the
// system's trash code uses: HOME and XDG_DATA_HOME point into it while the
// object lives. The data folder exists; the Trash only after MakeTrash().

#include <filesystem>
#include <string>

#include "tests/support/EnvGuard.h"
#include "tests/support/TempFolder.h"

namespace testsupport {

class TrashHome {
public:
    TrashHome() { std::filesystem::create_directories(DataHome()); }

    const std::string& Home() const { return home_; }
    std::string DataHome() const { return home_ + "/.local/share"; }
    std::string Trash() const { return DataHome() + "/Trash"; }

    // An existing Trash with both of its folders.
    void MakeTrash() const {
        std::filesystem::create_directories(Trash() + "/files");
        std::filesystem::create_directories(Trash() + "/info");
    }

private:
    TempFolder root_;
    const std::string home_ = root_ / "home";
    EnvGuard homeEnv_{"HOME", home_};
    EnvGuard dataEnv_{"XDG_DATA_HOME", DataHome()};
};

}  // namespace testsupport
