// The script items: one wrapper that runs a script resource with its arguments.
#include "app/ScriptItems.h"

#include <cstdint>

#include "runtime/scripts/ScriptItems.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

void RunScriptItem(int32_t scriptID, const std::vector<Variant>& args) {
    if (args.empty()) {
        RuntimeScriptExecute(scriptID);
        return;
    }
    ScriptCallRef call = RuntimeStartParamScript(scriptID);
    for (const Variant& arg : args) {
        if (arg.VarType() == Variant::TypeInteger)
            RuntimeAddIntegerScriptParam(call, arg.IntegerValue());
        else
            RuntimeAddStringScriptParam(call, arg.StringValue());
        RuntimeBackgroundTask();
    }
    RuntimeCompleteParamScriptExecute(call);
}

}  // namespace

void deleteFile(const std::vector<Variant>& args) { RunScriptItem(168, args); }

void deleteFolder(const std::vector<Variant>& args) { RunScriptItem(169, args); }

void revealFile(const std::vector<Variant>& args) { RunScriptItem(170, args); }
