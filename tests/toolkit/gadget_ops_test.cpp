// The table of generic operations: replaced, falling back, restored, released.
#include <string>
#include <vector>

#include "test_window.h"

namespace {

std::vector<std::string> calls;

int RecordingSetState(tk::Gadget* g, int state) {
    calls.push_back("setState " + std::to_string(g->number) + " " + std::to_string(state));
    return 0;
}

std::u16string FixedText(tk::Gadget*) {
    return u"from the table";
}

int RecordingRelease(tk::Gadget* g) {
    calls.push_back("release " + std::to_string(g->number));
    return 1;
}

class GadgetOpsTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        calls.clear();
    }
};

TEST_F(GadgetOpsTest, ReplacedEntriesAnswerEmptyOnesFallBackAndTheOldTableComesBack) {
    tk::NewCheckBox(5, 0, 0, 20, 20, u"box");
    tk::Gadget* g = tk::FindGadget(5);
    ASSERT_NE(g, nullptr);
    const tk::GadgetOps* original = g->ops;
    EXPECT_EQ(original->kind, tk::GadgetKind::CheckBox);
    EXPECT_EQ(original->tableSize, static_cast<int>(sizeof(tk::GadgetOps)));

    tk::GadgetOps mine = *original;
    mine.setState = RecordingSetState;
    mine.getText = FixedText;
    tk::SetGadgetOps(g, &mine);

    tk::SetGadgetState(5, 1);
    EXPECT_EQ(calls, std::vector<std::string>{"setState 5 1"});
    EXPECT_EQ(tk::GetGadgetState(5), 0);  // the default never saw the change
    EXPECT_EQ(tk::GetGadgetText(5), u"from the table");
    tk::SetGadgetText(5, u"changed");  // empty entry: the default for check boxes

    tk::SetGadgetOps(g, original);
    EXPECT_EQ(tk::GetGadgetText(5), u"changed");
    tk::SetGadgetState(5, 1);
    EXPECT_EQ(tk::GetGadgetState(5), 1);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(GadgetOpsTest, GenericCallsOnMissingGadgetsDoNothing) {
    EXPECT_EQ(tk::GetGadgetState(99), 0);
    EXPECT_EQ(tk::GetGadgetText(99), u"");
    EXPECT_EQ(tk::GetGadgetColor(99, tk::TextColorSlot), -1);
    EXPECT_EQ(tk::GetGadgetAttribute(99, tk::CanvasMouseX), 0);
    tk::SetGadgetText(99, u"x");
    tk::ResizeGadget(99, 1, 2, 3, 4);
    EXPECT_EQ(tk::GadgetKindOf(99), tk::GadgetKind::None);
}

TEST_F(GadgetOpsTest, ResizeKeepsWhatIsMarkedKeepAndTheCanvasKeepsItsPicture) {
    tk::NewCanvas(6, 5, 6, 40, 30);
    {
        auto d = tk::Drawing::OnCanvas(6);
        d.Fill(0, 0, 40, 30, 0x123456);
    }
    tk::ResizeGadget(6, tk::Keep, 9, 60, tk::Keep);
    EXPECT_EQ(tk::GadgetX(6), 5);
    EXPECT_EQ(tk::GadgetY(6), 9);
    EXPECT_EQ(tk::GadgetWidth(6), 60);
    EXPECT_EQ(tk::GadgetHeight(6), 30);
    auto d = tk::Drawing::OnCanvas(6);
    EXPECT_EQ(d.Width(), 60);
    EXPECT_EQ(d.PixelAt(39, 29), 0x123456);
    EXPECT_EQ(d.PixelAt(40, 29), 0xFFFFFF);  // new area: the blank canvas colour
}

TEST_F(GadgetOpsTest, AnyNumberGivesAFreeNumberAndAFixedNumberGivesTheHandle) {
    const auto first = tk::NewCanvas(tk::AnyNumber, 0, 0, 10, 10);
    const auto second = tk::NewCanvas(tk::AnyNumber, 0, 0, 10, 10);
    EXPECT_NE(first, second);
    EXPECT_TRUE(tk::IsGadget(static_cast<int>(first)));
    EXPECT_GT(first, 34);  // never one of the small numbers a caller fixes
    const auto handle = tk::NewCanvas(7, 0, 0, 10, 10);
    EXPECT_EQ(handle, tk::GadgetHandle(7));
    EXPECT_EQ(tk::FindGadgetByHandle(handle)->number, 7);
}

TEST_F(GadgetOpsTest, ReleaseRunsWhenTheGadgetGoesAwayByAnyRoad) {
    static tk::GadgetOps mine;  // outlives the gadgets that point at it
    mine = *tk::CanvasOps();
    mine.release = RecordingRelease;
    for (int n : {8, 9, 10, 11}) {
        tk::NewCanvas(n, 0, 0, 10, 10);
        tk::SetGadgetOps(tk::FindGadget(n), &mine);
    }
    tk::FreeGadget(8);
    tk::NewText(9, 0, 0, 10, 10, u"takes the number");
    EXPECT_EQ(calls, (std::vector<std::string>{"release 8", "release 9"}));
    tk::CloseWindow(Win);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"release 8", "release 9", "release 10", "release 11"}));
    EXPECT_FALSE(tk::IsGadget(10));
    tk::NewWindow(Win, 0, 0, 10, 10, u"", tk::WindowHidden);  // for TearDown
}

TEST_F(GadgetOpsTest, ContainerChildrenAreReleasedBeforeTheirContainer) {
    static tk::GadgetOps mine;  // outlives the gadgets that point at it
    mine = *tk::CanvasOps();
    mine.release = RecordingRelease;
    tk::NewCanvas(12, 0, 0, 100, 100, tk::CanvasContainer);
    tk::NewCanvas(13, 5, 5, 10, 10);
    tk::CloseGadgetList();
    tk::NewCanvas(14, 0, 0, 10, 10);
    for (int n : {12, 13, 14})
        tk::SetGadgetOps(tk::FindGadget(n), &mine);
    EXPECT_EQ(tk::FindGadget(13)->parent, tk::GadgetHandle(12));
    EXPECT_EQ(tk::FindGadget(14)->parent, tk::WindowHandle(Win));
    tk::FreeGadget(12);
    EXPECT_EQ(calls, (std::vector<std::string>{"release 13", "release 12"}));
    EXPECT_TRUE(tk::IsGadget(14));
}

TEST_F(GadgetOpsTest, DataStateColoursAndFontsOfTheDefaults) {
    tk::NewStringField(15, 0, 0, 50, 19, u"abc");
    EXPECT_EQ(tk::GetGadgetText(15), u"abc");
    tk::SetGadgetData(15, -1);
    EXPECT_EQ(tk::GetGadgetData(15), -1);
    EXPECT_EQ(tk::GetGadgetColor(15, tk::BackColorSlot), -1);
    tk::SetGadgetColor(15, tk::BackColorSlot, 0x3B332B);
    EXPECT_EQ(tk::GetGadgetColor(15, tk::BackColorSlot), 0x3B332B);
    EXPECT_EQ(tk::GetGadgetColor(15, 7), -1);
    EXPECT_EQ(tk::GetGadgetFont(15), tk::DefaultFont());
    tk::DisableGadget(15, true);
    EXPECT_TRUE(tk::IsGadgetDisabled(15));
    tk::HideGadget(15, true);
    EXPECT_TRUE(tk::IsGadgetHidden(15));
}

TEST_F(GadgetOpsTest, ImagesAreCopiedOntoCanvasesAndImageGadgets) {
    tk::NewImage(1, 4, 3);
    {
        auto d = tk::Drawing::OnImage(1);
        d.Fill(0, 0, 4, 3, 0x0000FF);
    }
    tk::NewCanvas(16, 0, 0, 10, 10);
    tk::SetGadgetImage(16, tk::ImageID(1));
    tk::NewImageGadget(17, 0, 0, 4, 3, tk::ImageID(1));
    tk::FreeImage(1);  // the gadgets keep their copies
    auto canvas = tk::Drawing::OnCanvas(16);
    EXPECT_EQ(canvas.PixelAt(3, 2), 0x0000FF);
    EXPECT_EQ(canvas.PixelAt(4, 2), 0xFFFFFF);
    ASSERT_NE(tk::FindGadget(17)->surface, nullptr);
    EXPECT_EQ(tk::PixelAt(*tk::FindGadget(17)->surface, 0, 0), 0x0000FF);
    EXPECT_EQ(tk::ImageCount(), 0);
}

}  // namespace
