#include "runtime/scripts/ScriptItems.h"

namespace runtime {

void ScriptCall::Add(ScriptParam param) {
    if (!completed_) params_.push_back(std::move(param));
}

ScriptOutcome ScriptCall::Complete() {
    if (completed_) return ScriptOutcome::Done;
    completed_ = true;
    return RunScriptResource(scriptID_, params_);
}

ScriptOutcome RuntimeScriptExecute(int32_t scriptID) { return RunScriptResource(scriptID, {}); }

ScriptCallRef RuntimeStartParamScript(int32_t scriptID) { return std::make_shared<ScriptCall>(scriptID); }

void RuntimeAddIntegerScriptParam(const ScriptCallRef& call, int32_t value) {
    if (call) call->Add(value);
}

void RuntimeAddStringScriptParam(const ScriptCallRef& call, const String& text) {
    if (call) call->Add(text);
}

ScriptOutcome RuntimeCompleteParamScriptExecute(const ScriptCallRef& call) {
    return call ? call->Complete() : ScriptOutcome::Done;
}

}  // namespace runtime
