#include "runtime/plugins/PluginLoading.h"

namespace runtime {

namespace {

thread_local PluginLoading* tCurrent = nullptr;

}  // namespace

PluginLoading::PluginLoading(PluginHost& host, LoadedPlugin& plugin) : host(host), plugin(plugin), outer_(tCurrent) {
    tCurrent = this;
}

PluginLoading::~PluginLoading() { tCurrent = outer_; }

PluginLoading* PluginLoading::Current() { return tCurrent; }

}  // namespace runtime
