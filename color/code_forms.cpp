#include "color/code_forms.h"

#include "color/text_rules.h"

namespace {

std::u16string PaddedDecimal(std::int64_t n) {
    return PadLeft(DecimalText(n), 3, u' ');
}

}  // namespace

std::u16string FormatWebCode(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return u"#" + HexPair(red) + HexPair(green) + HexPair(blue);
}

std::u16string FormatPbCode(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return u"$" + HexPair(blue) + HexPair(green) + HexPair(red);
}

std::u16string FormatRgbCode(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return u"rgb(" + DecimalText(red) + u"," + DecimalText(green) + u"," + DecimalText(blue) + u")";
}

std::u16string FormatPaddedRgbCode(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return u"rgb(" + PaddedDecimal(red) + u"," + PaddedDecimal(green) + u"," + PaddedDecimal(blue) +
           u")";
}

std::u16string FormatRgbaCode(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return u"rgba(" + DecimalText(red) + u"," + DecimalText(green) + u"," + DecimalText(blue) +
           u",1.0)";
}
