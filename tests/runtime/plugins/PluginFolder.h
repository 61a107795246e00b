#pragma once
// A temporary PlugIns folder holding copies of the test libraries.

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TempFolder.h"

namespace plugintest {

namespace fs = std::filesystem;

class PluginFolder {
public:
    PluginFolder() { fs::create_directory(Path()); }

    fs::path Root() const { return root_.Path(); }
    std::string Path() const { return root_ / "PlugIns"; }

    // Copies a built library in under the given name; returns its path there.
    std::string AddLibrary(const std::string& builtPath, const std::string& name) {
        const fs::path target = fs::path(Path()) / name;
        fs::copy_file(builtPath, target);
        return target.string();
    }
    void AddText(const std::string& name, const std::string& text) { std::ofstream(fs::path(Path()) / name) << text; }

private:
    testsupport::TempFolder root_;
};

// A symbol of a library the host has already loaded.
template <class T>
T LoadedSymbol(const std::string& libraryPath, const char* name) {
    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!library) return nullptr;
    void* symbol = dlsym(library, name);
    dlclose(library);  // drops only the reference taken here
    return reinterpret_cast<T>(symbol);
}

}  // namespace plugintest
