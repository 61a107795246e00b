#include "runtime/scripts/ScriptItems.h"

namespace runtime {

void ScriptCall::Add(ScriptParam param) {
    if (!completed_) params_.push_back(std::move(param));
}

void ScriptCall::Complete() {
    if (completed_) return;
    completed_ = true;
    RunScriptResource(scriptID_, params_);
}

void RuntimeScriptExecute(int32_t scriptID) { RunScriptResource(scriptID, {}); }

ScriptCallRef RuntimeStartParamScript(int32_t scriptID) { return std::make_shared<ScriptCall>(scriptID); }

void RuntimeAddIntegerScriptParam(const ScriptCallRef& call, int32_t value) {
    if (call) call->Add(value);
}

void RuntimeAddStringScriptParam(const ScriptCallRef& call, const String& text) {
    if (call) call->Add(text);
}

void RuntimeCompleteParamScriptExecute(const ScriptCallRef& call) {
    if (call) call->Complete();
}

}  // namespace runtime
