#pragma once
// Guessing the encoding of Japanese bytes.

#include "runtime/core/String.h"
#include "runtime/core/TextEncoding.h"

namespace runtime {

// The encoding s's bytes (its tag ignored) are most likely in: one of
// Encodings::ShiftJIS() ("Shift_JIS"; Mac Japanese bytes are guessed as this
// too), Encodings::UTF16() ("UTF-16", either byte order) or Encodings::UTF8()
// ("UTF-8"); nil when it cannot tell. Pure ASCII (without the NUL bytes only
// UTF-16 has) gives nil, as every one of them reads it alike; so do EUC-JP and
// ISO-2022-JP text, which have no guess name, and bytes whose likeliest
// reading still holds a sequence its encoding has no character for.
//
// A byte-order mark decides. Otherwise the bytes are read as UTF-8, Mac
// Japanese, UTF-16 in both byte orders and EUC-JP, and the reading whose
// characters are the likeliest in a Japanese name or path wins: ASCII and kana
// before common kanji, those before rare kanji and symbols, and those before
// characters outside the JIS tables; a switch between ASCII and other
// characters costs a little, a control character rules a reading out.
TextEncodingRef GuessJapaneseEncoding(const String& s);

}  // namespace runtime
