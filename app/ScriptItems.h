#pragma once
// The application's script items: each runs one of the bundle's script
// resources with its arguments, integers as integer parameters and anything
// else as text.

#include <vector>

#include "runtime/core/Variant.h"
#include "runtime/scripts/ScriptOutcome.h"

// Resource 168: moves the file at the absolute path to the Trash; the outcome
// tells why it stayed, if it did.
runtime::ScriptOutcome deleteFile(const std::vector<runtime::Variant>& args);
// Resource 169: the same for the folder at the absolute path.
runtime::ScriptOutcome deleteFolder(const std::vector<runtime::Variant>& args);
// Resource 170: shows the item at the absolute path in the file manager.
void revealFile(const std::vector<runtime::Variant>& args);
