#pragma once
// The plug-in whose REALPluginMain is running on this thread, so that the
// resolver's registration entries know where to record.

#include "runtime/plugins/PluginHost.h"

namespace runtime {

class PluginLoading {
public:
    PluginLoading(PluginHost& host, LoadedPlugin& plugin);
    ~PluginLoading();
    PluginLoading(const PluginLoading&) = delete;
    PluginLoading& operator=(const PluginLoading&) = delete;

    // The innermost load in progress on this thread, or nullptr.
    static PluginLoading* Current();

    PluginHost& host;
    LoadedPlugin& plugin;

private:
    PluginLoading* outer_;
};

}  // namespace runtime
