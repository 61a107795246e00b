#pragma once
// Module TextEnco: conversion between the encodings the products' files use,
// named by label: "Auto" (guess; as a source only), "デフォルト", "Shift-JIS"
// (Mac Japanese), "UTF-8", "UTF-16", "JIS" (ISO-2022-JP), "EUC" (EUC-JP); any
// other label is the system default. Every function returns a new string.

#include <cstdint>

#include "runtime/core/String.h"

namespace TextEnco {

// s converted from one label to another; "Auto" as the source guesses it.
runtime::String gEncText(const runtime::String& s, const runtime::String& from, const runtime::String& to);
// s converted, or s unchanged when an encoding or a converter is missing or
// both labels name the same encoding.
runtime::String gEncTextEtc(const runtime::String& s, const runtime::String& from, const runtime::String& to);
// The label guessed for s: "Shift-JIS", "UTF-16", "UTF-8" or "デフォルト".
runtime::String gEncTextGetEnc(const runtime::String& s);
// s in UTF-8 when guessed (or, failing a guess, hinted) to be Shift_JIS or
// UTF-16; otherwise s unchanged. The hint is a guess name such as "Shift_JIS".
runtime::String gEncUTF8alt(const runtime::String& s, const runtime::String& hint);
// The first count bytes of s, converted as gEncUTF8alt converts the whole of s:
// the guess looks at all of it.
runtime::String gEncUTF8altLeftB(const runtime::String& s, const runtime::String& hint, int32_t count);
// The same bytes, tagged UTF-8.
runtime::String gEncDefUTF8(const runtime::String& s);

}  // namespace TextEnco
