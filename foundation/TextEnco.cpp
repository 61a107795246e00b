#include "foundation/TextEnco.h"

#include "runtime/core/EncodingGuess.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextConverter.h"
#include "runtime/core/TextFunctions.h"

using namespace runtime;

namespace TextEnco {
namespace {

TextEncodingRef EncodingOfLabel(const String& label) {
    if (label == "デフォルト") return Encodings::SystemDefault();
    if (label == "Shift-JIS") return Encodings::MacJapanese();
    if (label == "UTF-8") return Encodings::UTF8();
    if (label == "UTF-16") return Encodings::UTF16();
    if (label == "JIS") return GetTextEncoding(0x820, 0, 0);
    if (label == "EUC") return GetTextEncoding(0x920, 0, 0);
    return Encodings::SystemDefault();
}

// The label gEncUTF8alt converts s from, by its guess or else the hint; "" to
// leave s unchanged.
String UTF8altSource(const String& s, const String& hint) {
    const TextEncodingRef guess = GuessJapaneseEncoding(s);
    const String name = guess ? guess->internetName() : hint;
    if (name == "Shift_JIS") return "Shift-JIS";
    if (name == "UTF-16" || name == "UNICODE-2-0") return "UTF-16";
    return "";
}

String InUTF8From(const String& s, const String& label) { return label.IsEmpty() ? s : gEncText(s, label, "UTF-8"); }

}  // namespace

String gEncText(const String& s, const String& from, const String& to) {
    const String source = from == "Auto" ? gEncTextGetEnc(s) : from;
    return gEncTextEtc(s, source, to);
}

String gEncTextEtc(const String& s, const String& from, const String& to) {
    const TextEncodingRef source = EncodingOfLabel(from);
    const TextEncodingRef target = EncodingOfLabel(to);
    if (!source || !target) return s;
    if (source->internetName() == target->internetName()) return s;
    const TextConverterRef converter = GetTextConverter(source, target);
    if (!converter) return s;
    return converter->convert(s);
}

String gEncTextGetEnc(const String& s) {
    const TextEncodingRef guess = GuessJapaneseEncoding(s);
    if (!guess) return "デフォルト";
    const String name = guess->internetName();
    if (name == "Shift_JIS") return "Shift-JIS";
    if (name == "UTF-16") return "UTF-16";
    if (name == "UNICODE-2-0") return "UTF-16";
    if (name == "UTF-8") return "UTF-8";
    return "デフォルト";
}

String gEncUTF8alt(const String& s, const String& hint) { return InUTF8From(s, UTF8altSource(s, hint)); }

String gEncUTF8altLeftB(const String& s, const String& hint, int32_t count) {
    return InUTF8From(count < LenB(s) ? LeftB(s, count) : s, UTF8altSource(s, hint));
}

String gEncDefUTF8(const String& s) { return DefineEncoding(s, Encodings::UTF8()); }

}  // namespace TextEnco
