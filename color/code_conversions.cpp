#include "color/code_conversions.h"

#include "color/code_forms.h"
#include "color/text_rules.h"

namespace {

bool StartsWith(const std::u16string& text, const std::u16string& prefix) {
    return LeftChars(text, static_cast<std::int64_t>(prefix.size())) == prefix;
}

// The slices of a hex code body read in the order of the code: web codes
// hold red, green, blue; PureBasic codes blue, green, red.
RgbChannels ReadSlices(const std::u16string& body, bool blueFirst) {
    const CodeSliceSet s = CodeSlices(body);
    const std::int64_t first = ReadHexPair(s.first), second = ReadHexPair(s.second),
                       third = ReadHexPair(s.third);
    return blueFirst ? RgbChannels{third, second, first} : RgbChannels{first, second, third};
}

// The text takes the numbers as read; the colour their low 32 bits.
ConvertedCode Converted(std::u16string text, const RgbChannels& c) {
    return {true, std::move(text),
            MakeColor(static_cast<std::int32_t>(c.red), static_cast<std::int32_t>(c.green),
                      static_cast<std::int32_t>(c.blue))};
}

ConvertedCode TextOnly(std::u16string text) {
    return {true, std::move(text), 0};
}

// The three slices of a code body copied in reverse order, unread.
std::u16string Reordered(const std::u16string& sign, const std::u16string& body) {
    const CodeSliceSet s = CodeSlices(body);
    return sign + s.third + s.second + s.first;
}

}  // namespace

ConvertedCode ConvertWebCode(const std::u16string& field) {
    std::u16string text = TrimSpaces(field);
    if (StartsWith(text, u"#")) {
        const RgbChannels c = ReadSlices(RemoveAll(text, u"#"), false);
        return Converted(FormatRgbaCode(c.red, c.green, c.blue), c);
    }
    text = ToLower(text);
    if (!StartsWith(text, u"rgba") && !StartsWith(text, u"rgb(")) return {};
    const RgbChannels c = ReadRgbFields(text);
    return Converted(FormatWebCode(c.red, c.green, c.blue), c);
}

ConvertedCode ConvertPbCode(const std::u16string& field) {
    if (!StartsWith(field, u"$")) return {};
    const RgbChannels c = ReadSlices(RemoveAll(field, u"$"), true);
    return Converted(FormatPaddedRgbCode(c.red, c.green, c.blue), c);
}

ConvertedCode PickWebCode(const std::u16string& field) {
    std::u16string text = TrimSpaces(field);
    if (StartsWith(text, u"#")) return {};
    if (StartsWith(text, u"$")) return TextOnly(Reordered(u"#", RemoveAll(text, u"$")));
    text = ToLower(text);
    if (!StartsWith(text, u"rgba") && !StartsWith(text, u"rgb(")) return {};
    const RgbChannels c = ReadRgbFields(text);
    return TextOnly(FormatWebCode(c.red, c.green, c.blue));
}

ConvertedCode PickPbCode(const std::u16string& field) {
    const std::u16string text = TrimSpaces(field);
    if (StartsWith(text, u"#")) return TextOnly(Reordered(u"$", RemoveAll(text, u"#")));
    if (!StartsWith(text, u"rgb")) return {};  // "$" codes and capitals stop here
    const std::u16string rest = MidChars(text, FindFirst(text, u"(", 1) + 1);
    std::int64_t n[3];
    for (int i = 0; i < 3; ++i)
        n[i] = ReadNumber(RemoveAll(FieldAt(rest, i + 1, u','), u")"));
    return TextOnly(FormatPbCode(n[0], n[1], n[2]));
}

ConvertedCode PickRgbCode(const std::u16string& field) {
    std::u16string text = field;
    ConvertedCode result;
    if (StartsWith(text, u"$")) {
        text = RemoveAll(text, u"$");
        const RgbChannels c = ReadSlices(text, true);
        result = TextOnly(FormatPaddedRgbCode(c.red, c.green, c.blue));
    }
    if (StartsWith(text, u"#")) {  // the text as the first step left it
        const RgbChannels c = ReadSlices(RemoveAll(text, u"#"), false);
        result = TextOnly(FormatRgbCode(c.red, c.green, c.blue));
    }
    return result;
}
