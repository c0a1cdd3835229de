// Turns fuzzer bytes into tool text. Printable seeds stay readable: bytes
// below 0x80 are themselves and 0x80-0xFE are the Latin-1 code units of the
// same value; 0xFF takes the next two bytes (low first) as one UTF-16 code
// unit, so every unit, lone surrogates included, can be reached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::u16string FuzzText(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0xFF) {
            text.push_back(data[i]);
        } else if (i + 2 < size) {
            text.push_back(static_cast<char16_t>(data[i + 1] | data[i + 2] << 8));
            i += 2;
        } else {
            break;
        }
    }
    return text;
}

// Stops the run with a finding when a stated property does not hold.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            __builtin_printf("%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                              \
        }                                                                                  \
    } while (0)
