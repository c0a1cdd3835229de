// Background, font and font colour through the dialogs: faked through their
// seams where the test must see inside, and the real Qt dialogs driven by a
// timer as a user would.
#include <QColorDialog>
#include <QFontDialog>
#include <QTimer>

#include <deque>
#include <vector>

#include "compare/color_selection.h"
#include "tests/app/main_window_fixture.h"

namespace {

using tk::core::PointerAction;

class ColorSelectionTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        tk::SystemServices().randomByte = [this] {
            const int v = draws.empty() ? 0 : draws.front();
            if (!draws.empty()) draws.pop_front();
            return v;
        };
    }
    // A completed click on a large button: the dialogs open inside it.
    static void Click(int button) {
        Pointer(button, PointerAction::Move, 20, 20);
        Pointer(button, PointerAction::LeftDown, 20, 20, tk::LeftButtonBit);
        Pointer(button, PointerAction::LeftUp, 20, 20);
    }
    // Fakes the colour dialog; it sees the state while it is open.
    void AnswerColors(std::vector<ColorValue> answers) {
        colorAnswers.assign(answers.begin(), answers.end());
        tk::SystemServices().chooseColor = [this](tk::NativeHandle owner, tk::Color initial,
                                                  tk::CustomColorSet& custom) {
            seen.push_back({owner,
                            initial,
                            custom,
                            tk::IsGadgetDisabled(BackColorButton),
                            tk::IsGadgetDisabled(FontColorButton),
                            {tk::WindowX(DialogAnchorWindow), tk::WindowY(DialogAnchorWindow)}});
            const ColorValue answer = colorAnswers.front();
            colorAnswers.pop_front();
            return answer;
        };
    }
    void AnswerFont(std::optional<tk::FontChoice> answer) {
        tk::SystemServices().chooseFont = [this, answer](tk::NativeHandle owner,
                                                         const std::u16string& face, int points) {
            fontOwner = owner;
            fontOwnerVisible = false;
            for (int n : tk::WindowNumbers())
                if (tk::WindowHandle(n) == owner) {
                    fontOwnerVisible = tk::IsWindowVisible(n);
                    fontOwnerAt = {tk::WindowX(n), tk::WindowY(n)};
                }
            fontAsked = {face, points};
            return answer;
        };
    }

    struct Seen {
        tk::NativeHandle owner;
        tk::Color initial;
        tk::CustomColorSet custom;
        bool backDisabled, fontDisabled;
        tk::Point anchor;
    };
    tk::ScopedServices services;
    std::deque<int> draws;
    std::deque<ColorValue> colorAnswers;
    std::vector<Seen> seen;
    tk::NativeHandle fontOwner = 0;
    bool fontOwnerVisible = false;
    tk::Point fontOwnerAt;
    std::pair<std::u16string, int> fontAsked;
};

TEST_F(ColorSelectionTest, ABackgroundColourShowsOnBothButtonsInTheFieldsAndTheData) {
    for (int i = 0; i < 17 * 3; ++i)
        draws.push_back(i);
    AnswerColors({MakeColor(255, 255, 255)});
    Click(BackColorButton);

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].backDisabled);
    EXPECT_FALSE(seen[0].fontDisabled);
    EXPECT_EQ(seen[0].owner, tk::WindowHandle(DialogAnchorWindow));
    // Draws come blue, green, red for each colour: entry 0 first, then the initial one.
    EXPECT_EQ(seen[0].custom[0], MakeColor(2, 1, 0));
    EXPECT_EQ(seen[0].custom[15], MakeColor(47, 46, 45));
    EXPECT_EQ(seen[0].initial, MakeColor(50, 49, 48));
    const tk::Point button = tk::GadgetScreenPosition(BackColorButton);
    EXPECT_EQ(seen[0].anchor.x, tk::WindowX(MainWindow) + 33 - 55);
    EXPECT_EQ(seen[0].anchor.y, button.y + 62);
    EXPECT_EQ(button.y, tk::WindowY(MainWindow) + 59 + 39);

    EXPECT_FALSE(tk::IsGadgetDisabled(BackColorButton));
    EXPECT_EQ(tk::GetGadgetText(BackRgbField), u"rgb(255,255,255)");
    EXPECT_EQ(tk::GetGadgetText(BackHexField), u"#FFFFFF");
    EXPECT_EQ(tk::GetGadgetData(BackRgbField), 16777215);
    EXPECT_EQ(tk::GetGadgetText(BackColorButton), u"Preview");
    for (int b : {BackColorButton, FontColorButton}) {
        EXPECT_EQ(Pixel(b, 3, 3), 0xFFFFFF) << b;
        EXPECT_EQ(Pixel(b, 0, 0), 0xFFFFFF) << b;
        for (int slot : {HoverFill, PressedFill, HoverBorder, PressedBorder})
            EXPECT_EQ(tk::GetGadgetColor(b, slot), 0xFFFFFF) << b << " " << slot;
    }
}

TEST_F(ColorSelectionTest, CancellingChangesNothingButEnablesTheButtonAgain) {
    AnswerColors({-1});
    Click(BackColorButton);
    EXPECT_TRUE(seen.at(0).backDisabled);
    EXPECT_FALSE(tk::IsGadgetDisabled(BackColorButton));
    EXPECT_EQ(tk::GetGadgetData(BackRgbField), -1);
    EXPECT_EQ(tk::GetGadgetText(BackRgbField), u"");
    EXPECT_EQ(tk::GetGadgetText(BackColorButton), u"Select Background Color");

    AnswerFont(std::nullopt);
    Click(FontColorButton);
    EXPECT_EQ(seen.size(), 1u);  // no colour dialog follows a cancelled font dialog
    EXPECT_FALSE(tk::IsGadgetDisabled(FontColorButton));
    EXPECT_FALSE(tk::IsFont(PreviewFont));
    EXPECT_EQ(tk::GetGadgetText(FontColorButton), u"Select a regular Font Color");
}

TEST_F(ColorSelectionTest, TheFontBecomesCaptionAndFontAndTheColourItsText) {
    AnswerFont(tk::FontChoice{u"DejaVu Serif", 105, 600, true, false, true});
    AnswerColors({MakeColor(18, 52, 86)});
    Click(FontColorButton);

    EXPECT_TRUE(fontOwnerVisible);  // a window of its own, shown above the button
    EXPECT_EQ(fontOwnerAt.x, tk::WindowX(MainWindow) + 33 - 63);
    EXPECT_EQ(fontOwnerAt.y, tk::GadgetScreenPosition(FontColorButton).y - 37);
    EXPECT_EQ(fontAsked, (std::pair<std::u16string, int>{u"Arial", 14}));
    EXPECT_EQ(tk::WindowNumbers().size(), 3u);  // and gone again

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].initial, 0);  // black for the font
    EXPECT_TRUE(seen[0].fontDisabled);
    EXPECT_EQ(seen[0].anchor.y, tk::GadgetScreenPosition(FontColorButton).y + 62);

    EXPECT_EQ(tk::GetGadgetText(FontColorButton), u"DejaVu Serif");
    EXPECT_EQ(tk::GetGadgetFont(FontColorButton), tk::FontID(PreviewFont));
    const QFont& font = *reinterpret_cast<const QFont*>(tk::FontID(PreviewFont));
    EXPECT_EQ(font.pixelSize(), tk::PixelHeightForPoints(10, 96));  // 10.5 points cut to 10
    EXPECT_FALSE(font.bold());                                      // 600 is not bold
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.strikeOut());
    for (int slot : {NormalText, HoverText, PressedText})
        EXPECT_EQ(tk::GetGadgetColor(FontColorButton, slot), MakeColor(18, 52, 86));
    EXPECT_EQ(tk::GetGadgetText(FontRgbField), u"rgb(18,52,86)");
    EXPECT_EQ(tk::GetGadgetText(FontHexField), u"#123456");
    EXPECT_EQ(tk::GetGadgetData(FontRgbField), MakeColor(18, 52, 86));
}

TEST_F(ColorSelectionTest, OnlyWeight700IsBoldAndACancelledColourKeepsTheNewFace) {
    const std::pair<int, bool> weights[] = {{700, true}, {900, false}, {400, false}};
    for (const auto& [weight, bold] : weights) {
        AnswerFont(tk::FontChoice{u"Liberation Sans", 140, weight});
        AnswerColors({-1});
        Click(FontColorButton);
        EXPECT_EQ(reinterpret_cast<const QFont*>(tk::FontID(PreviewFont))->bold(), bold) << weight;
        EXPECT_EQ(tk::GetGadgetText(FontColorButton), u"Liberation Sans");
        EXPECT_EQ(tk::GetGadgetData(FontRgbField), -1);
    }
}

TEST_F(ColorSelectionTest, EveryColourDialogGetsSixteenNewCustomColours) {
    for (int i = 0; i < 200; ++i)
        draws.push_back(i % 256);
    AnswerColors({-1, -1});
    Click(BackColorButton);
    Click(BackColorButton);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0].custom, seen[1].custom);
    EXPECT_EQ(seen[1].custom[0], MakeColor(53, 52, 51));  // after the first 17 colours
}

TEST_F(ColorSelectionTest, AThemeToggleResetsTheButtonColoursButKeepsCaptionsFontAndData) {
    AnswerColors({MakeColor(255, 255, 255), MakeColor(18, 52, 86)});
    AnswerFont(tk::FontChoice{u"Liberation Sans", 120, 400});
    Click(BackColorButton);
    Click(FontColorButton);
    Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
    EXPECT_EQ(Pixel(BackColorButton, 3, 3), Palette.LargeButtonBackColor);
    EXPECT_EQ(tk::GetGadgetColor(FontColorButton, NormalText), Palette.LargeButtonTextColor);
    EXPECT_EQ(tk::GetGadgetText(BackColorButton), u"Preview");
    EXPECT_EQ(tk::GetGadgetText(FontColorButton), u"Liberation Sans");
    EXPECT_EQ(tk::GetGadgetFont(FontColorButton), tk::FontID(PreviewFont));
    EXPECT_EQ(tk::GetGadgetData(BackRgbField), 16777215);
    EXPECT_EQ(tk::GetGadgetData(FontRgbField), MakeColor(18, 52, 86));
    EXPECT_EQ(tk::GetGadgetText(BackHexField), u"#FFFFFF");
}

// The real dialogs, answered the moment they are up.
template <typename Dialog, typename Answer>
void WhenOpen(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

TEST_F(ColorSelectionTest, TheRealColourDialogAnswersAndReturnsItsCustomColours) {
    for (int i = 0; i < 51; ++i)
        draws.push_back(200);
    WhenOpen<QColorDialog>([](QColorDialog* d) {
        EXPECT_EQ(QColorDialog::customColor(0), QColor(200, 200, 200));
        QColorDialog::setCustomColor(3, QColor(1, 2, 3));
        d->setCurrentColor(QColor(255, 255, 255));
        d->accept();
    });
    Click(BackColorButton);
    EXPECT_EQ(tk::GetGadgetText(BackHexField), u"#FFFFFF");
    EXPECT_EQ(CustomColors[3], MakeColor(1, 2, 3));  // read back after it closed

    WhenOpen<QColorDialog>([](QColorDialog* d) { d->reject(); });
    Click(BackColorButton);
    EXPECT_EQ(tk::GetGadgetData(BackRgbField), 16777215);
    EXPECT_FALSE(tk::IsGadgetDisabled(BackColorButton));
}

TEST_F(ColorSelectionTest, TheRealFontDialogStartsAtArial14AndReportsTheChoice) {
    WhenOpen<QFontDialog>([](QFontDialog* d) {
        EXPECT_EQ(d->currentFont().pointSize(), 14);
        EXPECT_EQ(d->currentFont().family(), "Liberation Sans");
        QFont f("Liberation Serif");
        f.setPointSize(12);  // the dialog offers whole sizes
        f.setWeight(QFont::Bold);
        f.setUnderline(true);
        d->setCurrentFont(f);
        WhenOpen<QColorDialog>([](QColorDialog* c) { c->reject(); });
        d->accept();
    });
    Click(FontColorButton);
    EXPECT_EQ(tk::GetGadgetText(FontColorButton), u"Liberation Serif");
    const QFont& font = *reinterpret_cast<const QFont*>(tk::FontID(PreviewFont));
    EXPECT_EQ(font.pixelSize(), tk::PixelHeightForPoints(12, 96));
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(tk::IsGadgetDisabled(FontColorButton));
}

TEST_F(ColorSelectionTest, CodeButtonsWriteTheChosenColoursCodesOnThePress) {
    tk::SetGadgetText(BackHexField, u"typed");
    Pointer(BackWebCodeButton, PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
    EXPECT_EQ(tk::GetGadgetText(BackHexField), u"typed");  // nothing chosen yet

    AnswerColors({MakeColor(18, 52, 86), MakeColor(0, 0, 0)});
    Click(BackColorButton);
    tk::SetGadgetText(BackHexField, u"typed again");
    tk::SetGadgetText(BackRgbField, u"rgb(1,1,1)");  // has no influence
    struct Case {
        int button, field;
        const char16_t* code;
    };
    const Case cases[] = {{BackWebCodeButton, BackHexField, u"#123456"},
                          {BackPbCodeButton, BackHexField, u"$563412"}};
    for (const Case& c : cases) {
        Pointer(c.button, PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
        EXPECT_EQ(tk::GetGadgetText(c.field), c.code);
    }
    AnswerFont(tk::FontChoice{u"Liberation Sans", 120, 400});
    Click(FontColorButton);
    Pointer(FontPbCodeButton, PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
    EXPECT_EQ(tk::GetGadgetText(FontHexField), u"$000000");
    tk::SetGadgetText(FontHexField, u"");
    Pointer(FontWebCodeButton, PointerAction::LeftUp, 5, 5);  // a release writes nothing
    EXPECT_EQ(tk::GetGadgetText(FontHexField), u"");
}

}  // namespace
