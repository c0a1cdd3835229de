// The number reader over any text: it never fails, and a slice of at most two
// characters read as hex always gives a byte.
#include "color/text_rules.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = FuzzText(data, size);
    ReadNumber(text);
    const std::int64_t pair = ReadHexPair(LeftChars(text, 2));
    FUZZ_CHECK(pair >= 0 && pair <= 255);
    // Leading blanks never change what is read.
    FUZZ_CHECK(ReadNumber(u" \t" + text) == ReadNumber(text));
    return 0;
}
