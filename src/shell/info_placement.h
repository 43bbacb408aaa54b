// Where the information window opens and how far its opening animation goes (twips).
#pragma once

namespace velnix::info {

inline constexpr int kDesignedWidth = 5790;
inline constexpr int kDesignedHeight = 5790;
inline constexpr int kAnimationStep = 200;
// Room that must stay free right of the main window for the window to open beside it.
inline constexpr int kReserve = 5520;

// Directly right of the main window when the screen has room for it there (a free space of
// exactly 0 counts as room), otherwise at the screen's left edge.
constexpr int LeftEdge(double screenWidth, double mainLeft, double mainWidth) {
    const auto freeSpace = static_cast<float>(screenWidth - mainLeft - mainWidth - kReserve);
    return freeSpace < 0 ? 0 : static_cast<int>(mainLeft + mainWidth);
}

}  // namespace velnix::info
