// The theme-file reader over any file content, both from memory and from a
// real file through the application-data seam: the two must agree, and the
// UTF-8 decoding it relies on must settle after one round trip.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/fuzz_text.h"
#include "theme/theme_file.h"
#include "toolkit/services.h"

namespace {

namespace fs = std::filesystem;

// One application-data folder for the whole run, removed at exit.
struct AppData {
    fs::path root;
    AppData() {
        std::string pattern = fs::temp_directory_path() / "tintwell-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) __builtin_trap();
        root = pattern;
        fs::create_directory(root / "Huebox");
        const std::u16string folder = root.u16string();
        tk::SystemServices().appDataFolder = [folder] { return folder; };
    }
    ~AppData() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static AppData appData;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::istringstream in(bytes);
    const int fromMemory = ReadThemeNumber(in);
    FUZZ_CHECK(fromMemory == 0 || fromMemory == 1);
    // Through a real file for one input in four: the disk is slow.
    if (size % 4 == 0) {
        {
            std::ofstream out(appData.root / "Huebox" / "theme.ini",
                              std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        FUZZ_CHECK(LoadThemeFile() == fromMemory);
    }

    const std::u16string text = Utf16FromUtf8(bytes);
    FUZZ_CHECK(text.size() <= bytes.size());
    const std::string encoded = Utf8FromUtf16(text);
    FUZZ_CHECK(Utf16FromUtf8(encoded) == text);
    FUZZ_CHECK(Utf8FromUtf16(FuzzText(data, size)).size() <= 3 * size);
    return 0;
}
