// The look switches whatever stands in the way of its file: an application-
// data folder that cannot be written to, a file named like the tool's folder.
// What was on disk stays exactly as it was.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "tests/app/main_window_fixture.h"
#include "tests/support/permissions_bind.h"

namespace {

namespace fs = std::filesystem;
using tk::core::PointerAction;

// Every file under the folder with its bytes, and every folder with its mode.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(e.path(), root).string();
        if (e.is_directory()) {
            entries[name + "/"] = std::to_string(static_cast<int>(e.status().permissions()));
        } else {
            std::ifstream in(e.path(), std::ios::binary);
            entries[name] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }
    }
    return entries;
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

constexpr fs::perms ReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec;

struct Case {
    const char* name;
    void (*arrange)(const fs::path& appData);
};

const Case Cases[] = {
    {"an unwritable folder with a theme file in it",
     [](const fs::path& appData) {
         fs::create_directory(appData / "Huebox");
         Write(appData / "Huebox" / "theme.ini", "0\r\nkept as it was\r\n");
         fs::permissions(appData / "Huebox", ReadOnlyFolder);
         fs::permissions(appData, ReadOnlyFolder);
     }},
    {"an unwritable folder and a read-only theme file",
     [](const fs::path& appData) {
         fs::create_directory(appData / "Huebox");
         Write(appData / "Huebox" / "theme.ini", "0\r\nkept as it was\r\n");
         fs::permissions(appData / "Huebox" / "theme.ini", fs::perms::owner_read);
         fs::permissions(appData / "Huebox", ReadOnlyFolder);
     }},
    {"an unwritable application-data folder without the tool's folder",
     [](const fs::path& appData) { fs::permissions(appData, ReadOnlyFolder); }},
    {"a file named Huebox",
     [](const fs::path& appData) { Write(appData / "Huebox", "in the way"); }},
    {"an empty file named Huebox", [](const fs::path& appData) { Write(appData / "Huebox", ""); }},
};

class ThemeFaultsTest : public MainWindowFixture {
  protected:
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(appData, fs::perms::owner_all, ignored);
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(appData, ignored))
            fs::permissions(e.path(), fs::perms::owner_all, ignored);
        MainWindowFixture::TearDown();
    }
    static void ToggleLook() {
        Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
        Pointer(TitleBar, PointerAction::RightUp, 50, 10);
    }

    const fs::path appData{tk::SystemServices().appDataFolder()};
};

TEST_F(ThemeFaultsTest, TheLookSwitchesAndNothingOnDiskChanges) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        c.arrange(appData);
        const auto before = Snapshot(appData);
        {
            const PermissionsBind bind;
            ASSERT_TRUE(bind.Active()) << "cannot make permissions bind the superuser";
            ToggleLook();
            EXPECT_EQ(CurrentTheme, 1);
            EXPECT_EQ(Pixel(TitleBar, 2, 2), MakeColor(43, 51, 59));  // dark
            EXPECT_EQ(Snapshot(appData), before);
            ToggleLook();
            EXPECT_EQ(CurrentTheme, 0);
            EXPECT_EQ(Pixel(TitleBar, 2, 2), MakeColor(255, 255, 255));  // light
            EXPECT_EQ(Snapshot(appData), before);
        }
        EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
        // Clear the way for the next case.
        fs::permissions(appData, fs::perms::owner_all);
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(appData))
            fs::permissions(e.path(), fs::perms::owner_all);
        fs::remove_all(appData / "Huebox");
    }
}

}  // namespace
