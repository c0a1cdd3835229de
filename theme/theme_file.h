// The chosen look, kept from one run to the next in "theme.ini" in the
// tool's own folder under the user's application-data folder. Only the first
// line (the theme number) is ever read back; the rest is a banner for people.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "toolkit/services.h"

// The theme stored in the file: 0 or 1, and 0 whenever the file is missing,
// empty, unreadable or its first line reads as anything else.
int LoadThemeFile();

// The theme that the first line of a theme file's content gives, read from
// the stream: 1 when that line reads as 1, else 0.
int ReadThemeNumber(std::istream& in);

// Writes the file for CurrentTheme, creating the tool's folder (one level)
// when it is missing. Never reports anything; a file that cannot be written
// leaves the previous one untouched.
void SaveThemeFile();

// "dd.mm.yyyy um hh:ii:ss", every field zero-padded to its width.
std::u16string FormatCreationStamp(const tk::LocalTime& time);

// -1 when nothing of that name exists, -2 for a folder, otherwise the size of
// the file of that name. Trailing path separators are ignored.
std::int64_t PathSizeQuery(const std::u16string& name);

// UTF-8 of the text; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(const std::u16string& text);

// The text of UTF-8 bytes; every ill-formed sequence (its longest valid
// beginning, or a single byte) becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view bytes);
