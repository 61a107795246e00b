#pragma once
// The plug-in host: loads plug-in libraries, runs their REALPluginMain with the
// runtime's resolver and keeps the methods they register by declaration.
//
// Libraries stay loaded for the life of the process once their REALPluginMain
// has run, since the methods they registered point into them.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/plugins/PluginInterface.h"

namespace runtime {

struct LoadedPlugin {
    std::string path;
    int32_t version = 0;                    // announced by RegisterPluginVersion, 0 if never; recorded, not enforced
    std::vector<std::string> declarations;  // as registered, in order
};

class PluginHost {
public:
    PluginHost() = default;
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // Loads every file of the folder (hidden ones and folders aside), in name
    // order, as a plug-in. A file that does not load, or has no
    // REALPluginMain, is skipped with one line on stderr. A missing folder
    // loads nothing. Returns how many plug-ins ran.
    int LoadFolder(const std::string& folder);
    // Loads one library; true when its REALPluginMain ran.
    [[nodiscard]] bool LoadLibrary(const std::string& path);

    // The function registered under the declaration (see Declaration.h for
    // how declarations compare), or nullptr.
    void* Lookup(std::string_view declaration) const;

    const std::vector<LoadedPlugin>& Plugins() const { return plugins_; }

    // The host behind the application's entry table.
    static PluginHost& Shared();

    // For the resolver's entries while a plug-in's REALPluginMain runs.
    void AnnounceVersion(LoadedPlugin& plugin, int32_t version);
    [[nodiscard]] bool Register(LoadedPlugin& plugin, const REALmethodDefinition& definition);

private:
    struct Method {
        void* function;
        std::string declaration;
        std::string pluginPath;
    };
    std::unordered_map<std::string, Method> methods_;  // by normalised declaration
    std::vector<LoadedPlugin> plugins_;
};

// The resolver handed to every plug-in; it throws nothing.
extern "C" void* RuntimePluginResolver(const char* name) noexcept;

// The bundle's plug-in folder: the executable's folder, then "../PlugIns".
std::string BundlePluginsFolder();

// Loads the bundle's plug-ins into the shared host, once per process.
void LoadBundlePlugins();

}  // namespace runtime
