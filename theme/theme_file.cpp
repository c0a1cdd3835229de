#include "theme/theme_file.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <string_view>
#include <system_error>

#include "color/text_rules.h"
#include "theme/palette.h"

namespace fs = std::filesystem;

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsSeparator(char16_t c) {
    return c == tk::PathSeparator() || c == u'/';
}

// The application-data folder ready to have a name appended: empty when the
// system cannot tell it (names are then relative to the current directory),
// otherwise ending in a path separator.
std::u16string AppDataPrefix() {
    std::u16string folder = tk::SystemServices().appDataFolder();
    if (!folder.empty() && folder.back() != tk::PathSeparator()) folder += tk::PathSeparator();
    return folder;
}

std::u16string ThemeFolder() {
    return AppDataPrefix() + u"Huebox" + tk::PathSeparator();
}

// Decimal digits of value, with leading zeros up to width.
std::u16string ZeroPadded(int value, std::size_t width) {
    std::u16string digits = DecimalText(value);
    if (value >= 0 && digits.size() < width) digits.insert(0, width - digits.size(), u'0');
    return digits;
}

std::u16string ThemeFileText(const std::u16string& stamp) {
    const std::u16string rule(52, u'-');
    const std::u16string lines[] = {
        DecimalText(CurrentTheme),
        u" ",
        u" ",
        u"Theme config file created on: " + stamp,
        rule,
        u" ",
        u"Dyelark // Tintwell v7",
        u"made by the Tintwell developers",
        u" ",
        rule,
        u"donate with PayPal: tintwell@example.org",
    };
    std::u16string text;
    for (const std::u16string& line : lines)
        text += line + u"\r\n";
    return text;
}

// Creates the last folder level of name, whose parent must exist. Trailing
// blanks and separators are not part of the name. Failure is not an error
// here: writing the file into the folder fails afterwards.
void CreateOneFolder(std::u16string name) {
    while (!name.empty() && (name.back() == u' ' || IsSeparator(name.back())))
        name.pop_back();
    if (name.empty()) return;
    std::error_code error;
    fs::create_directory(fs::path(name), error);
}

// Replaces target with bytes, or leaves it as it was. The content goes to a
// temporary file beside it first, so a failed write never leaves a cut-off
// file where a good one stood.
void WriteReplacing(const fs::path& target, const std::string& bytes) {
    std::error_code error;
    const fs::file_status old = fs::status(target, error);
    if (fs::is_regular_file(old)) {
        // A file we may not write to stays as it is, even where the folder
        // would let us put another one in its place.
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe.is_open()) return;
    }

    fs::path temporary = target;
    temporary += u".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
        fs::remove(temporary, error);
        return;
    }
    if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) fs::remove(temporary, error);
}

// The bytes of the first line: up to the first CR, LF or NUL, or the end.
std::string FirstLineBytes(std::istream& in) {
    static constexpr std::string_view kLineEnds("\r\n\0", 3);
    std::string line;
    char chunk[4096];
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::string_view got(chunk, static_cast<std::size_t>(in.gcount()));
        if (got.empty()) break;
        const std::size_t end = got.find_first_of(kLineEnds);
        line.append(got.substr(0, end));
        if (end != std::string_view::npos) break;
    }
    return line;
}

void AppendCodePoint(std::u16string& text, char32_t c) {
    if (c < 0x10000) {
        text.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

}  // namespace

std::u16string FormatCreationStamp(const tk::LocalTime& time) {
    return ZeroPadded(time.day, 2) + u"." + ZeroPadded(time.month, 2) + u"." +
           ZeroPadded(time.year, 4) + u" um " + ZeroPadded(time.hour, 2) + u":" +
           ZeroPadded(time.minute, 2) + u":" + ZeroPadded(time.second, 2);
}

std::int64_t PathSizeQuery(const std::u16string& name) {
    std::u16string trimmed = name;
    // A name of separators alone is the root and keeps its first one.
    while (trimmed.size() > 1 && IsSeparator(trimmed.back()))
        trimmed.pop_back();
    if (trimmed.empty()) return -1;
    try {
        const fs::path path(trimmed);
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        switch (status.type()) {
            case fs::file_type::none:
            case fs::file_type::not_found:
                return -1;
            case fs::file_type::directory:
                return -2;
            case fs::file_type::regular: {
                const std::uintmax_t size = fs::file_size(path, error);
                return error ? -1 : static_cast<std::int64_t>(size);
            }
            default:
                // Devices, pipes and the like hold no stored content.
                return 0;
        }
    } catch (const std::exception&) {
        // A name the system cannot represent names nothing.
        return -1;
    }
}

std::string Utf8FromUtf16(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

std::u16string Utf16FromUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        // The number of continuation bytes and the range allowed for the
        // first of them, which rules out overlong forms, surrogates and
        // values above U+10FFFF.
        int following = 0;
        char32_t c = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            c = lead & 0x0F;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            c = lead & 0x07;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            text.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 0; k < following; ++k, ++next) {
            if (next >= bytes.size()) {
                complete = false;
                break;
            }
            const unsigned char b = static_cast<unsigned char>(bytes[next]);
            if (b < low || b > high) {
                complete = false;
                break;
            }
            c = (c << 6) | (b & 0x3F);
            low = 0x80;
            high = 0xBF;
        }
        // An ill-formed sequence ends before the byte that broke it, which is
        // read again on its own.
        AppendCodePoint(text, complete ? c : kReplacement);
        i = next;
    }
    return text;
}

int ReadThemeNumber(std::istream& in) {
    const std::u16string line = Utf16FromUtf8(FirstLineBytes(in));
    const auto number = static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadNumber(line)));
    return number == 1 ? 1 : 0;
}

int LoadThemeFile() {
    try {
        const std::u16string name =
            AppDataPrefix() + u"Huebox" + tk::PathSeparator() + u"theme.ini";
        if (PathSizeQuery(name) <= 0) return 0;
        std::ifstream in(fs::path(name), std::ios::binary);
        if (!in.is_open()) return 0;
        return ReadThemeNumber(in);
    } catch (const std::exception&) {
        return 0;
    }
}

void SaveThemeFile() {
    try {
        const std::u16string stamp = FormatCreationStamp(tk::SystemServices().localTime());
        const std::u16string folder = ThemeFolder();
        const std::int64_t size = PathSizeQuery(folder);
        if (size == -1 || size == 0) CreateOneFolder(folder);
        WriteReplacing(fs::path(folder + u"theme.ini"), Utf8FromUtf16(ThemeFileText(stamp)));
    } catch (const std::exception&) {
        // The toggle still changes the look for this run.
    }
}
