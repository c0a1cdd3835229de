// The rgb field reader over any lower-cased text, as the converters call it.
#include "color/text_rules.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = ToLower(FuzzText(data, size));
    ReadRgbFields(text);
    ReadRgbFields(u"rgb(" + text);
    ReadRgbFields(u"rgba(" + text);
    return 0;
}
