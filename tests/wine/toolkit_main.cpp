// main() for the toolkit tests on Windows: the platform started once, as the
// tool does, with the address service kept from reaching the desktop.
#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

namespace {

class ToolkitEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        tk::Init();
        tk::SystemServices().openAddress = [](const std::u16string&) {};
    }
    void TearDown() override { tk::Shutdown(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
    return RUN_ALL_TESTS();
}
