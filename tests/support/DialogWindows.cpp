#include "tests/support/DialogWindows.h"

#include "tests/support/FindControl.h"

#include <gtest/gtest.h>

namespace testsupport {
namespace {

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

void PostClickAt(HWND window, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, Point(x, y));
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, Point(x, y));
}

}  // namespace

HWND TopLevel(const char* className) {
    return FindWindowA(className, nullptr);
}

HWND ShownDialog(const char* className) {
    HWND window = TopLevel(className);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND ControlWindow(HWND dialog, const std::string& name) {
    HWND window = testsupport::FindWindowNamed(dialog, name);
    if (!window) ADD_FAILURE() << "no window named " << name;
    return window;
}

bool MarkedVisible(HWND window) {
    return window && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string AskMessage() {
    return WindowText(TopLevel(kAskDialogClass));
}

void Click(HWND window) {
    if (!window) return;
    RECT client;
    GetClientRect(window, &client);
    PostClickAt(window, client.right / 2, client.bottom / 2);
}

void Type(HWND edit, const std::string& text) {
    for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void ClearField(HWND edit) {
    PostMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_CHAR, VK_BACK, 1);
}

void PressListItem(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    PostClickAt(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void Answer(const char* button) {
    HWND ask = ShownDialog(kAskDialogClass);
    EXPECT_NE(nullptr, ask) << "no question showing to answer with " << button;
    if (ask) Click(ControlWindow(ask, button));
}

int ListCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

std::string ListItem(HWND list, int index) {
    char text[512] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

int ListSelection(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

}  // namespace testsupport
