// The five converters' text transforms over any field text: none may fail,
// and each either leaves the field alone or writes a text of bounded length.
#include "color/code_conversions.h"
#include "fuzz/fuzz_text.h"

namespace {

// The longest code any of them writes: "rgba(" with three signed 64-bit
// numbers, or a "$"/"#" code of three slices of the input.
constexpr std::size_t LongestCode = 80;

void Check(const ConvertedCode& result, const std::u16string& field) {
    if (!result.converted) {
        FUZZ_CHECK(result.text.empty());
        return;
    }
    FUZZ_CHECK(result.text.size() <= LongestCode + field.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string field = FuzzText(data, size);
    Check(ConvertWebCode(field), field);
    Check(ConvertPbCode(field), field);
    Check(PickWebCode(field), field);
    Check(PickPbCode(field), field);
    Check(PickRgbCode(field), field);
    return 0;
}
