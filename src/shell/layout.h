// The main window's geometry in twips: the designed control positions and the resize rule.
#pragma once

namespace velnix::layout {

inline constexpr int kCollapsedWidth = 9200;
inline constexpr int kExpandedWidth = 16755;
inline constexpr int kStartHeight = 8000;
inline constexpr int kMinimumHeight = 6000;

// The window's outer height includes its title bar and borders; these are the parts of the
// designed outer size that the client area does not get.
inline constexpr int kNonClientHeight = 465;
inline constexpr int kNonClientWidth = 120;

// The status line as designed holds one line. A longer message grows it upward: first into
// the free space above it, then the controls above it move up and the lists give up the
// room, down to the smallest list height.
inline constexpr int kStatusLineHeight = 285;
inline constexpr int kSmallestListHeight = 1440;

// The area "Prüfung" right of the lists, below the rule frame. Its designed height reaches
// just above the exit picture; when the picture rises, the area gives up height, and below the
// height that its controls need it is hidden rather than cover the picture.
inline constexpr int kCheckLeft = 5880;
inline constexpr int kCheckTop = 2700;
inline constexpr int kCheckWidth = 2955;
inline constexpr int kCheckHeight = 3450;
inline constexpr int kCheckGap = 120;

// The smallest outer height at which the area "Prüfung" shows its controls whole
// (`checkNeeds`): below it the exit picture, 2000 above the window's bottom, would hide it.
constexpr int MinimumHeightFor(int checkNeeds) {
    const int forCheck = kCheckTop + kCheckGap + checkNeeds + (8300 - 6300);
    return forCheck > kMinimumHeight ? forCheck : kMinimumHeight;
}

// Positions that follow the window height (all in twips).
struct HeightLayout {
    int windowHeight;  // raised to the minimum
    int outputHeight;  // txt_OUT
    int exitTop;       // img_EXIT
    int generateTop;   // cmd_mapkeyNow and cmd_openmFile
    int listHeight;    // list_OldName and list_NewName
    int statusTop;     // lbl_status
    int statusHeight;  // lbl_status
    int checkHeight;   // fra_pruefung
};

constexpr int AtLeastZero(int value) {
    return value < 0 ? 0 : value;
}

// The resize rule: everything that sits low moves with D = height - 8300, and the lists and
// the output text grow by D. statusTextHeight is the height that the status message needs.
constexpr HeightLayout LayoutForHeight(int windowHeight, int statusTextHeight = 0) {
    const int height = windowHeight < kMinimumHeight ? kMinimumHeight : windowHeight;
    const int d = height - 8300;
    const int listHeight = d + 5715;
    // Free space between the status line's top and the bottom of the controls above it.
    const int freeBelowButtons = 7500 - (6660 + 630);
    const int freeBelowExit = 7500 - (6300 + 1170);
    const int wanted = AtLeastZero(statusTextHeight - kStatusLineHeight);
    const int room = AtLeastZero(listHeight - kSmallestListHeight) + freeBelowButtons;
    const int grown = wanted < room ? wanted : room;
    const int buttonsUp = AtLeastZero(grown - freeBelowButtons);
    const int exitUp = AtLeastZero(grown - freeBelowExit);
    const int exitTop = d + 6300 - exitUp;
    const int checkRoom = AtLeastZero(exitTop - kCheckGap - kCheckTop);
    return {height,
            d + 7350,
            exitTop,
            d + 6660 - buttonsUp,
            listHeight - buttonsUp,
            d + 7500 - grown,
            kStatusLineHeight + grown,
            checkRoom < kCheckHeight ? checkRoom : kCheckHeight};
}

}  // namespace velnix::layout
