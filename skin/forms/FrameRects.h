#pragma once

#include <cstdint>

#include "skin/objects/Geometry.h"

// The rectangles and size limits of the window states, from the frame's geometry and the
// screen's areas (all in screen coordinates, or the parent's client coordinates for a child).
namespace FrameRects {

// The default smallest window; a non-zero constraint replaces either value.
inline constexpr std::int32_t DefaultMinTrackWidth = 150;
inline constexpr std::int32_t DefaultMinTrackHeight = 40;

// The work area on the window's monitor (stayOnTop: the whole monitor). The plain frame
// pushes its borders, border wide, off the screen; a skinned one keeps them visible.
TRect MaximizedRect(const TRect& workArea, const TRect& monitor, bool stayOnTop, bool skinned,
                    std::int32_t border);
// Skinned: the monitor's (stayOnTop) or the work area's size; plain: the maximized size.
// Non-zero constraints replace either value.
TSize MaxTrackSize(TSize area, std::int32_t maxWidth, std::int32_t maxHeight);
TSize MinTrackSize(std::int32_t minWidth, std::int32_t minHeight);
// A proposed window size held within the limits; rolled up and minimized windows are
// exempt from the minimum.
TSize ClampTrackSize(TSize size, TSize minimum, TSize maximum, bool applyMinimum);

// The frame without its client area: caption and bottom border, as wide as the frame, at the
// window's position.
TRect RollupRect(TPoint position, const TRect& client, TSize frame);
// As high as the rolled-up frame, minimizedWidth wide, at the left of the work area's bottom.
TRect MinimizedRect(std::int32_t minimizedWidth, const TRect& client, TSize frame,
                    const TRect& workArea);

}  // namespace FrameRects
