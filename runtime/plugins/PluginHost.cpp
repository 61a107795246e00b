#include "runtime/plugins/PluginHost.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <system_error>

#include "runtime/plugins/Declaration.h"
#include "runtime/plugins/PluginLoading.h"

namespace runtime {

namespace fs = std::filesystem;

namespace {

void Report(const std::string& path, const std::string& what) {
    std::cerr << "plug-in " << path << ": " << what << '\n';
}

std::vector<std::string> PluginFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;  // follows symbolic links
        files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int PluginHost::LoadFolder(const std::string& folder) {
    int ran = 0;
    for (const std::string& path : PluginFiles(folder)) {
        if (LoadLibrary(path)) ++ran;
    }
    return ran;
}

bool PluginHost::LoadLibrary(const std::string& path) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = dlerror();
        std::string why = error ? error : "cannot be loaded";
        if (why.rfind(path + ": ", 0) == 0) why.erase(0, path.size() + 2);  // dlerror names the file too
        Report(path, why);
        return false;
    }
    auto pluginMain = reinterpret_cast<REALPluginMainProc>(dlsym(library, REAL_PLUGIN_MAIN_SYMBOL));
    if (!pluginMain) {
        Report(path, "has no " REAL_PLUGIN_MAIN_SYMBOL);
        dlclose(library);
        return false;
    }

    LoadedPlugin plugin;
    plugin.path = path;
    {
        PluginLoading loading(*this, plugin);
        pluginMain(&RuntimePluginResolver);
    }
    plugins_.push_back(std::move(plugin));
    return true;
}

void PluginHost::AnnounceVersion(LoadedPlugin& plugin, int32_t version) { plugin.version = version; }

bool PluginHost::Register(LoadedPlugin& plugin, const REALmethodDefinition& definition) {
    if (!definition.function || !definition.declaration) return false;
    std::string key = NormaliseDeclaration(definition.declaration);
    if (key.empty()) return false;
    auto [it, inserted] =
        methods_.try_emplace(std::move(key), Method{definition.function, definition.declaration, plugin.path});
    if (!inserted) {
        Report(plugin.path,
               "\"" + std::string(definition.declaration) + "\" is already registered by " + it->second.pluginPath);
        return false;
    }
    plugin.declarations.emplace_back(definition.declaration);
    return true;
}

void* PluginHost::Lookup(std::string_view declaration) const {
    auto it = methods_.find(NormaliseDeclaration(declaration));
    return it == methods_.end() ? nullptr : it->second.function;
}

PluginHost& PluginHost::Shared() {
    static PluginHost host;
    return host;
}

std::string BundlePluginsFolder() {
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return (executable.parent_path().parent_path() / "PlugIns").string();
}

void LoadBundlePlugins() {
    static std::once_flag once;
    std::call_once(once, [] {
        const std::string folder = BundlePluginsFolder();
        if (!folder.empty()) PluginHost::Shared().LoadFolder(folder);
    });
}

}  // namespace runtime
