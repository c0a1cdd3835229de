#include "color/code_conversions.h"

#include "color/code_forms.h"
#include "color/text_rules.h"

namespace {

bool StartsWith(const std::u16string& text, const std::u16string& prefix) {
    return LeftChars(text, static_cast<std::int64_t>(prefix.size())) == prefix;
}

}  // namespace

ConvertedCode ConvertWebCode(const std::u16string& field) {
    std::u16string text = TrimSpaces(field);
    if (StartsWith(text, u"#")) {
        const CodeSliceSet s = CodeSlices(RemoveAll(text, u"#"));
        const auto red = ReadHexPair(s.first);
        const auto green = ReadHexPair(s.second);
        const auto blue = ReadHexPair(s.third);
        return {true, FormatRgbaCode(red, green, blue),
                MakeColor(static_cast<std::int32_t>(red), static_cast<std::int32_t>(green),
                          static_cast<std::int32_t>(blue))};
    }
    text = ToLower(text);
    if (!StartsWith(text, u"rgba") && !StartsWith(text, u"rgb(")) return {};
    const RgbChannels c = ReadRgbFields(text);
    // The text takes the numbers as read; the colour their low 32 bits.
    return {true, FormatWebCode(c.red, c.green, c.blue),
            MakeColor(static_cast<std::int32_t>(c.red), static_cast<std::int32_t>(c.green),
                      static_cast<std::int32_t>(c.blue))};
}

ConvertedCode ConvertPbCode(const std::u16string& field) {
    if (!StartsWith(field, u"$")) return {};
    const CodeSliceSet s = CodeSlices(RemoveAll(field, u"$"));
    const auto blue = ReadHexPair(s.first);
    const auto green = ReadHexPair(s.second);
    const auto red = ReadHexPair(s.third);
    return {true, FormatPaddedRgbCode(red, green, blue),
            MakeColor(static_cast<std::int32_t>(red), static_cast<std::int32_t>(green),
                      static_cast<std::int32_t>(blue))};
}

namespace {

// The three slices of a code body copied in reverse order, unread.
std::u16string Reordered(const std::u16string& sign, const std::u16string& body) {
    const CodeSliceSet s = CodeSlices(body);
    return sign + s.third + s.second + s.first;
}

ConvertedCode TextOnly(std::u16string text) {
    return {true, std::move(text), 0};
}

}  // namespace

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
        const CodeSliceSet s = CodeSlices(text);
        result = TextOnly(
            FormatPaddedRgbCode(ReadHexPair(s.third), ReadHexPair(s.second), ReadHexPair(s.first)));
    }
    if (StartsWith(text, u"#")) {  // the text as the first step left it
        const CodeSliceSet s = CodeSlices(RemoveAll(text, u"#"));
        result = TextOnly(
            FormatRgbCode(ReadHexPair(s.first), ReadHexPair(s.second), ReadHexPair(s.third)));
    }
    return result;
}
