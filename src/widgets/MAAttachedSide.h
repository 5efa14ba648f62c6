#pragma once

// Where an attached bubble lies relative to the point its arrow touches. The
// arrow sits on the bubble's opposite edge; for the "…wards" sides the bubble
// runs from the point in the named direction, so the arrow sits near one end
// of its edge. The numbers are stable: callers may store them.
enum class MAAttachedSide : int {
    Left = 0,              // arrow in the middle of the right edge
    Below = 1,             // arrow in the middle of the top edge
    Right = 2,             // arrow in the middle of the left edge
    Above = 3,             // arrow in the middle of the bottom edge
    LeftUpwards = 4,       // arrow at the bottom end of the right edge
    LeftDownwards = 5,     // arrow at the top end of the right edge
    RightUpwards = 6,      // arrow at the bottom end of the left edge
    RightDownwards = 7,    // arrow at the top end of the left edge
    AboveLeftwards = 8,    // arrow at the right end of the bottom edge
    AboveRightwards = 9,   // arrow at the left end of the bottom edge
    BelowLeftwards = 10,   // arrow at the right end of the top edge
    BelowRightwards = 11,  // arrow at the left end of the top edge
    // Chosen from the room around the point when the window is made. Given
    // later, it places the window's lower-left corner at the point, with no
    // arrow.
    Automatic = 12,
};
