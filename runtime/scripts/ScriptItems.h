#pragma once
// Script items: the application's script resources, run by number, with or
// without parameters. A run gives only its ScriptOutcome; what each script
// does is in ScriptResources.h.

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/scripts/ScriptResources.h"

namespace runtime {

// One parameterised run of a script, gathered parameter by parameter.
class ScriptCall {
public:
    explicit ScriptCall(int32_t scriptID) : scriptID_(scriptID) {}

    int32_t ScriptID() const { return scriptID_; }
    const std::vector<ScriptParam>& Params() const { return params_; }
    bool Completed() const { return completed_; }

    void Add(ScriptParam param);
    // Runs the script once; later calls, and parameters added after it, do
    // nothing (and give Done).
    ScriptOutcome Complete();

private:
    int32_t scriptID_;
    std::vector<ScriptParam> params_;
    bool completed_ = false;
};

using ScriptCallRef = std::shared_ptr<ScriptCall>;

// Runs a script without parameters.
ScriptOutcome RuntimeScriptExecute(int32_t scriptID);

// A parameterised run: start, add parameters in order, complete (which runs
// the script and returns when it has finished). A nil handle is ignored
// (Done).
ScriptCallRef RuntimeStartParamScript(int32_t scriptID);
void RuntimeAddIntegerScriptParam(const ScriptCallRef& call, int32_t value);
void RuntimeAddStringScriptParam(const ScriptCallRef& call, const String& text);
ScriptOutcome RuntimeCompleteParamScriptExecute(const ScriptCallRef& call);

}  // namespace runtime
