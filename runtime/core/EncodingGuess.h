#pragma once
// Guessing the encoding of Japanese bytes.

#include "runtime/core/String.h"
#include "runtime/core/TextEncoding.h"

namespace runtime {

// The encoding s's bytes (its tag ignored) are most likely in: one of
// Encodings::ShiftJIS() ("Shift_JIS"; Mac Japanese bytes are guessed as this
// too), Encodings::UTF16() ("UTF-16") or Encodings::UTF8() ("UTF-8"); nil when
// it cannot tell. Pure ASCII gives nil, as every one of them reads it alike;
// so do EUC-JP and ISO-2022-JP text, which have no guess name.
TextEncodingRef GuessJapaneseEncoding(const String& s);

}  // namespace runtime
