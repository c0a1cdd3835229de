// The fixed numbers by which every window, gadget, font and timer is found.
#pragma once

enum WindowNumber : int {
    MainWindow = 1,
    DialogAnchorWindow = 2,
    MagnifierWindow = 3,
};

enum GadgetNumber : int {
    MagnifierImage = 2,
    TitleBar = 3,
    FocusSink = 4,
    CloseButton = 5,
    ComparePanel = 6,
    AlwaysOnTopLabel = 7,
    BackColorButton = 8,
    BackPbCodeButton = 9,
    BackWebCodeButton = 10,
    BackHexField = 11,
    BackRgbField = 12,
    FontPbCodeButton = 13,
    FontWebCodeButton = 14,
    PickPbButton = 15,
    PickWebButton = 16,
    PickRgbButton = 17,
    FontColorButton = 18,
    FontHexField = 19,
    FontRgbField = 20,
    AlwaysOnTopCheck = 21,
    CollapseToggle = 22,
    WebPanel = 23,
    WebConvertButton = 24,
    WebInputField = 25,
    PbPanel = 26,
    PbConvertButton = 27,
    PbInputField = 28,
    PickerPanel = 29,
    PickerCheck = 30,
    PickerLabel = 31,
    PickField = 32,
    PickSwatch = 33,
    Footer = 34,
};

// Loops over "every gadget" run from 1 to this number.
inline constexpr int LastGadgetNumber = 34;

enum FontNumber : int {
    ButtonFont = 1,
    CodeButtonFont = 2,
    LabelFont = 3,
    CaptionFont = 4,
    TitleFont = 5,
    FooterFont = 6,
    PreviewFont = 7,
};

enum TimerNumber : int {
    PickerTimer = 123,  // a timer of MainWindow
};

enum ImageNumber : int {
    MagnifierBitmap = 1,
    OpenArrowImage = 2,
    FoldedArrowImage = 3,
};
