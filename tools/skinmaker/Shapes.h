#pragma once
// Drawing recipes shared by several art modules.

#include "tools/skinmaker/Canvas.h"

namespace skinmaker {

enum class State { Normal, Pressed, Hover, Disabled };

// Pixels of `background` whose straight colour is exactly `key`.
bool IsKey(const Image& image, int x, int y, Color key);

// A window body: the rounded shape filled with `body`, pixels outside set to
// `key` (hard edge, as a window region sees it), and a fine inner rim.
void CutShape(Image& image, const Rect& shape, float radius, Color key);

// A soft black shadow for a shaped window: opaque nowhere, fully transparent
// wherever the window's own (non-key) pixels lie.
Image MakeShadow(const Image& background, Color key, int width, int height, int blur, float strength, int dropY);

// The face of a push button in one state, drawn into `image` within `r`.
void DrawButtonFace(Image& image, const Rect& r, float radius, State state);

// A glowing horizontal accent line fading out at both ends.
void DrawAccentLine(Image& image, float x0, float x1, float y, Color color, float strength);

// Triangle arrow pointing left (dir = -1), right (1), up (-2) or down (2).
void DrawArrow(Image& image, float cx, float cy, float size, int dir, const Paint& paint);

// Round-capped chevron pointing down (dir = 1) or up (dir = -1).
void DrawChevron(Image& image, float cx, float cy, float size, int dir, float width, const Paint& paint);

} // namespace skinmaker
