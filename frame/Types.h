#pragma once
// Small value types shared by every part of the framework.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace frame {

class Control;

// 0x00BBGGRR for a plain colour; 0x80000000 | COLOR_xxx for a system colour,
// which follows the user's colour scheme until it is turned into RGB.
using Color = std::uint32_t;
constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<std::uint32_t>(index); }
COLORREF ColorToRGB(Color color);

namespace colors {
constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color BtnFace = SystemColor(COLOR_BTNFACE);
constexpr Color Window = SystemColor(COLOR_WINDOW);
constexpr Color WindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr Color Highlight = SystemColor(COLOR_HIGHLIGHT);
constexpr Color HighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr Color GrayText = SystemColor(COLOR_GRAYTEXT);
}  // namespace colors

// One window message on its way through a control's window procedure.
struct Message {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

// Notifications the framework reflects from a parent to the child control
// they concern (WM_COMMAND, WM_DRAWITEM, ...) arrive as ReflectBase + message.
constexpr UINT ReflectBase = 0xBC00;

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held during a mouse or key event.
using ShiftState = unsigned;
namespace shift {
constexpr ShiftState Shift = 1, Ctrl = 4, Left = 8, Right = 16, Middle = 32, Double = 64;
}
// From the flags a mouse message carries. Alt is not among them, and reading
// it would be a round trip to the window server at every mouse move for a
// key no control of ours looks at.
ShiftState ShiftFromMouseKeys(WPARAM keys);

enum class Cursor { Default, HandPoint };

using NotifyEvent = std::function<void(Control* sender)>;
using MouseEvent = std::function<void(Control* sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Control* sender, ShiftState shift, int x, int y)>;
using WindowProcedure = std::function<void(Message& message)>;

// Standard modal results.
namespace modal {
constexpr int None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7;
}

}  // namespace frame
