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
