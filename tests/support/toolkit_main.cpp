// One platform start for the whole test program, as in the tool, with the
// services that would reach outside the test pointed at harmless places.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "toolkit/toolkit.h"

namespace {

class ToolkitEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // A private configuration folder, so that no test reads or writes the
        // theme file (or the dialogs' saved colours) of the person running it.
        std::string pattern = (std::filesystem::temp_directory_path() / "tintwell-test-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        tk::Init();
        const std::u16string appData = folder_.u16string();
        tk::SystemServices().appDataFolder = [appData] { return appData; };
        tk::SystemServices().openAddress = [](const std::u16string&) {};
    }
    void TearDown() override {
        tk::Shutdown();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

  private:
    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
    return RUN_ALL_TESTS();
}
