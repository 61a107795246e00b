// The script items: one wrapper that runs a script resource with its arguments.
#include "app/ScriptItems.h"

#include <cstdint>

#include "runtime/scripts/ScriptItems.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

ScriptOutcome RunScriptItem(int32_t scriptID, const std::vector<Variant>& args) {
    if (args.empty()) return RuntimeScriptExecute(scriptID);
    ScriptCallRef call = RuntimeStartParamScript(scriptID);
    for (const Variant& arg : args) {
        if (arg.VarType() == Variant::TypeInteger)
            RuntimeAddIntegerScriptParam(call, arg.IntegerValue());
        else
            RuntimeAddStringScriptParam(call, arg.StringValue());
        RuntimeBackgroundTask();
    }
    return RuntimeCompleteParamScriptExecute(call);
}

}  // namespace

ScriptOutcome deleteFile(const std::vector<Variant>& args) { return RunScriptItem(168, args); }

ScriptOutcome deleteFolder(const std::vector<Variant>& args) { return RunScriptItem(169, args); }

// A reveal always comes to Done.
void revealFile(const std::vector<Variant>& args) { RunScriptItem(170, args); }
