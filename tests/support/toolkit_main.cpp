// One platform start for the whole test program, as in the tool.
#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

namespace {

class ToolkitEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { tk::Init(); }
    void TearDown() override { tk::Shutdown(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
    return RUN_ALL_TESTS();
}
