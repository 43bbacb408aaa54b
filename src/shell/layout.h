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

// Positions that follow the window height (all in twips).
struct HeightLayout {
    int windowHeight;  // raised to the minimum
    int outputHeight;  // txt_OUT
    int exitTop;       // img_EXIT
    int generateTop;   // cmd_mapkeyNow and cmd_openmFile
    int listHeight;    // list_OldName and list_NewName
    int statusTop;     // lbl_status
};

// The resize rule: everything that sits low moves with D = height - 8300, and the lists and
// the output text grow by D.
constexpr HeightLayout LayoutForHeight(int windowHeight) {
    const int height = windowHeight < kMinimumHeight ? kMinimumHeight : windowHeight;
    const int d = height - 8300;
    return {height, d + 7350, d + 6300, d + 6660, d + 5715, d + 7500};
}

}  // namespace velnix::layout
