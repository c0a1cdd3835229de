#include "theme/theme_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/permissions_bind.h"
#include "theme/palette.h"
#include "toolkit/services.h"

namespace {

namespace fs = std::filesystem;

const std::string kCrLf = "\r\n";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Each test gets an empty folder of its own as the application-data folder
// and a clock stopped at 9 March 2017, 14:05:07.
class ThemeFileTest : public testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        root_ = fs::temp_directory_path() /
                ("tintwell-theme-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(root_);
        UseAppData(root_.u16string());
        tk::SystemServices().localTime = [] { return tk::LocalTime{2017, 3, 9, 14, 5, 7}; };
    }

    void TearDown() override {
        CurrentTheme = savedTheme_;
        std::error_code error;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_, error)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(root_, error);
    }

    void UseAppData(const std::u16string& folder) {
        tk::SystemServices().appDataFolder = [folder] { return folder; };
    }

    fs::path Folder() const { return root_ / "Huebox"; }
    fs::path File() const { return Folder() / "theme.ini"; }

    // A folder with a theme file of the given bytes in it.
    void PutFile(const std::string& bytes) {
        fs::create_directories(Folder());
        WriteBytes(File(), bytes);
    }

    fs::path root_;

  private:
    tk::ScopedServices services_;
    std::int32_t savedTheme_ = CurrentTheme;
};

TEST(CreationStamp, PadsEveryField) {
    const struct {
        tk::LocalTime time;
        std::u16string expected;
    } cases[] = {
        {{2017, 3, 9, 14, 5, 7}, u"09.03.2017 um 14:05:07"},
        {{2000, 1, 1, 0, 0, 0}, u"01.01.2000 um 00:00:00"},
        {{1999, 12, 31, 23, 59, 59}, u"31.12.1999 um 23:59:59"},
        {{987, 10, 10, 9, 10, 9}, u"10.10.0987 um 09:10:09"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCreationStamp(c.time), c.expected) << testing::PrintToString(c.expected);
    }
}

TEST(Utf8, EncodesPairsAndReplacesLoneSurrogates) {
    const struct {
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {u"1 a", "1 a"},
        {u"\u00E9", "\xC3\xA9"},
        {u"\u20AC", "\xE2\x82\xAC"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        {std::u16string(1, 0xD83D) + u"x", "\xEF\xBF\xBDx"},           // high surrogate alone
        {std::u16string(1, 0xDE00), "\xEF\xBF\xBD"},                   // low surrogate alone
        {std::u16string{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},  // reversed pair
        {u"a" + std::u16string(1, 0xD83D), "a\xEF\xBF\xBD"},           // cut off at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromUtf16(c.text), c.bytes) << testing::PrintToString(c.bytes);
        if (c.bytes.find("\xEF\xBF\xBD") == std::string::npos) {
            EXPECT_EQ(Utf16FromUtf8(c.bytes), c.text) << testing::PrintToString(c.bytes);
        }
    }
}

TEST(Utf8, DecodesIllFormedBytesToReplacements) {
    const std::u16string r(1, 0xFFFD);
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"\x80", r},  // continuation without a lead
        {"\xFF"
         "1",
         r + u"1"},                           // never valid
        {"\xC0\x80", r + r},                  // overlong NUL
        {"\xE0\x80\x80", r + r + r},          // overlong three-byte form
        {"\xED\xA0\x80", r + r + r},          // encoded surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // above U+10FFFF
        {"\xE2\x82", r},                      // cut off at the end of the bytes
        {"\xF0\x9F\x98", r},                  // cut off four-byte form
        {"\xE2\x82"
         "1",
         r + u"1"},  // the breaking byte is read on its own
        {"\xC3"
         "\xA9\xA9",
         u"\u00E9" + r},  // one continuation too many
        {"\xEF\xBB\xBF"
         "1",
         u"\uFEFF1"},  // a byte-order mark is an ordinary character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16FromUtf8(c.bytes), c.text) << testing::PrintToString(c.bytes);
    }
}

TEST_F(ThemeFileTest, SizeQueryTellsMissingFolderAndFile) {
    fs::create_directories(Folder());
    WriteBytes(root_ / "five", "12345");
    WriteBytes(root_ / "empty", "");
    const std::u16string base = root_.u16string() + u"/";
    EXPECT_EQ(PathSizeQuery(base + u"missing"), -1);
    EXPECT_EQ(PathSizeQuery(base + u"missing/deeper"), -1);
    EXPECT_EQ(PathSizeQuery(base + u"five/deeper"), -1);
    EXPECT_EQ(PathSizeQuery(base + u"Huebox"), -2);
    EXPECT_EQ(PathSizeQuery(base + u"Huebox//"), -2);
    EXPECT_EQ(PathSizeQuery(base + u"five"), 5);
    EXPECT_EQ(PathSizeQuery(base + u"five/"), 5);
    EXPECT_EQ(PathSizeQuery(base + u"empty"), 0);
    EXPECT_EQ(PathSizeQuery(u""), -1);
    EXPECT_EQ(PathSizeQuery(u"/"), -2);
}

TEST_F(ThemeFileTest, FirstLineDecidesTheTheme) {
    const struct {
        std::string firstLine;
        int expected;
    } cases[] = {
        {"1", 1},
        {"1 and text", 1},
        {" \t 1", 1},
        {"+1", 1},
        {"01", 1},
        {"$1", 1},
        {"%1", 1},
        {"4294967297", 1},  // cut to the low 32 bits
        {"0", 0},
        {"2", 0},
        {"-1", 0},
        {"4294967296", 0},
        {"x", 0},
        {"", 0},
        {"\xEF\xBB\xBF"
         "1",
         0},  // a byte-order mark is not skipped
        {"\xFF"
         "1",
         0},
        {std::string("\0"
                     "1",
                     2),
         0},  // a NUL ends the line
        {std::string("1\0"
                     "2",
                     3),
         1},
    };
    for (const auto& c : cases) {
        // Whatever follows the first line is never read.
        PutFile(c.firstLine + kCrLf + "1" + kCrLf + "garbage \xFF\xFE");
        EXPECT_EQ(LoadThemeFile(), c.expected) << testing::PrintToString(c.firstLine);
    }
}

TEST_F(ThemeFileTest, LineEndsAndEndOfFile) {
    const struct {
        std::string bytes;
        int expected;
    } cases[] = {
        {"1", 1},  // no line end at all
        {"1\r", 1},
        {"1\n", 1},
        {"\r\n", 0},  // only a line end
        {"\r1", 0},
        {"\n1", 0},
        {"", 0},                            // a zero-byte file
        {std::string(5000, ' ') + "1", 1},  // a first line longer than one read
    };
    for (const auto& c : cases) {
        PutFile(c.bytes);
        EXPECT_EQ(LoadThemeFile(), c.expected) << testing::PrintToString(c.bytes);
    }
}

TEST_F(ThemeFileTest, NothingToReadGivesLightAndCreatesNothing) {
    EXPECT_EQ(LoadThemeFile(), 0);  // no folder at all
    EXPECT_TRUE(NamesIn(root_).empty());

    fs::create_directories(File());  // a folder where the file should be
    EXPECT_EQ(LoadThemeFile(), 0);

    fs::remove_all(Folder());
    WriteBytes(Folder(), "1\r\n");  // a file where the folder should be
    EXPECT_EQ(LoadThemeFile(), 0);
}

TEST_F(ThemeFileTest, WritesTheElevenLines) {
    CurrentTheme = 1;
    SaveThemeFile();
    const std::string rule(52, '-');
    const std::string expected =
        "1\r\n"
        " \r\n"
        " \r\n"
        "Theme config file created on: 09.03.2017 um 14:05:07\r\n" +
        rule + "\r\n" +
        " \r\n"
        "Dyelark // Tintwell v7\r\n"
        "made by the Tintwell developers\r\n"
        " \r\n" +
        rule + "\r\n" + "donate with PayPal: tintwell@example.org\r\n";
    const std::string bytes = ReadBytes(File());
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(0, 9), "1\r\n \r\n \r\n");
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"theme.ini"});  // nothing left over
}

TEST_F(ThemeFileTest, SavedThemeLoadsBack) {
    const std::u16string plain = root_.u16string();
    const std::u16string unusual = (root_ / u8"F\u00E4rbe \U0001F600").u16string();
    fs::create_directories(fs::path(unusual));
    // With and without a separator at the end, and a name outside ASCII.
    for (const std::u16string& appData : {plain, plain + u"/", unusual}) {
        UseAppData(appData);
        for (const std::int32_t theme : {1, 0, 1}) {
            CurrentTheme = theme;
            SaveThemeFile();
            EXPECT_EQ(LoadThemeFile(), theme) << testing::PrintToString(appData);
        }
        EXPECT_EQ(ReadBytes(fs::path(appData) / "Huebox" / "theme.ini").substr(0, 3), "1\r\n");
    }
}

TEST_F(ThemeFileTest, CreatesOnlyTheLastFolderLevel) {
    CurrentTheme = 1;
    UseAppData((root_ / "missing").u16string());
    SaveThemeFile();
    EXPECT_TRUE(NamesIn(root_).empty());

    UseAppData(root_.u16string());
    SaveThemeFile();
    EXPECT_TRUE(fs::is_directory(Folder()));
    EXPECT_EQ(LoadThemeFile(), 1);
}

TEST_F(ThemeFileTest, FileNamedLikeTheFolderBlocksWriting) {
    CurrentTheme = 1;
    for (const std::string& blocker : {std::string("in the way"), std::string()}) {
        // A zero-byte file makes the save try to create the folder, which fails.
        WriteBytes(Folder(), blocker);
        SaveThemeFile();
        EXPECT_TRUE(fs::is_regular_file(Folder()));
        EXPECT_EQ(ReadBytes(Folder()), blocker);
        EXPECT_EQ(NamesIn(root_), std::vector<std::string>{"Huebox"});
    }
}

TEST_F(ThemeFileTest, FailedWriteLeavesTheOldFile) {
    const std::string old = "1\r\nkept as it was\r\n";
    CurrentTheme = 0;

    PutFile(old);
    fs::create_directory(Folder() / "theme.ini.tmp");  // the new content cannot be put down
    SaveThemeFile();
    EXPECT_EQ(ReadBytes(File()), old);
    EXPECT_TRUE(fs::is_directory(Folder() / "theme.ini.tmp"));
    EXPECT_EQ(LoadThemeFile(), 1);

    // A folder standing where the file goes is not replaced either.
    fs::remove_all(Folder());
    fs::create_directories(File());
    WriteBytes(File() / "inside", "x");
    SaveThemeFile();
    EXPECT_EQ(ReadBytes(File() / "inside"), "x");
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"theme.ini"});
}

TEST_F(ThemeFileTest, ProtectedFileOrFolderIsNotWritten) {
    const PermissionsBind bind;
    ASSERT_TRUE(bind.Active()) << "cannot make permissions bind the superuser";
    const std::string old = "1\r\nkept as it was\r\n";
    CurrentTheme = 0;

    PutFile(old);
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    SaveThemeFile();
    EXPECT_EQ(ReadBytes(File()), old);
    fs::permissions(Folder(), fs::perms::owner_all);
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"theme.ini"});

    // A read-only file in a writable folder cannot be emptied, so it stays.
    fs::permissions(File(), fs::perms::owner_read);
    SaveThemeFile();
    EXPECT_EQ(ReadBytes(File()), old);
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"theme.ini"});
}

TEST_F(ThemeFileTest, UnrepresentableFolderNameIsNeitherReadNorWritten) {
    UseAppData(root_.u16string() + u"/" + std::u16string(1, 0xD800));
    CurrentTheme = 1;
    SaveThemeFile();
    EXPECT_EQ(LoadThemeFile(), 0);
    EXPECT_TRUE(NamesIn(root_).empty());
}

TEST_F(ThemeFileTest, UnknownAppDataFolderMeansTheCurrentDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(root_);
    UseAppData(u"");
    CurrentTheme = 1;
    SaveThemeFile();
    const int loaded = LoadThemeFile();
    fs::current_path(before);

    EXPECT_EQ(ReadBytes(File()).substr(0, 3), "1\r\n");
    EXPECT_EQ(loaded, 1);
}

}  // namespace
