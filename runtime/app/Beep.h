#pragma once
// The system beep.

namespace runtime {

// Sounds the beep and counts it for the next modal call's request, so the
// responder can tell that the dialog was preceded by one.
void Beep();

}  // namespace runtime
