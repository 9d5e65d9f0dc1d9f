#pragma once
// The library's windows as a person meets them: dialogs found by their
// window class, controls by the names the library gives them, and input
// posted to those windows as the mouse and keyboard would deliver it.

#include <windows.h>

#include <string>

namespace testsupport {

inline constexpr const char* kProfileDialogClass = "TProfileDialog";
inline constexpr const char* kAskDialogClass = "TAskDialog";
inline constexpr const char* kProfileShadowClass = "TProfileShadowForm";
inline constexpr const char* kDialogCoverClass = "TDialogCover";

// The dialog's window while it is showing, else nullptr.
HWND ShownDialog(const char* className);
HWND TopLevel(const char* className);
// The window of a windowed control of a dialog, by its name, or nullptr.
HWND ControlWindow(HWND dialog, const std::string& name);
// The WS_VISIBLE bit, which does not depend on the dialog being shown.
bool MarkedVisible(HWND window);
std::string WindowText(HWND window);
// The question dialog's message, which it also carries as its window text.
std::string AskMessage();

void Click(HWND window);
void Type(HWND edit, const std::string& text);
void ClearField(HWND edit);
void PressListItem(HWND list, int index);
void PressKey(HWND window, WPARAM key);
// Answers the question dialog with the named button ("YesButton", ...).
void Answer(const char* button);

int ListCount(HWND list);
std::string ListItem(HWND list, int index);
int ListSelection(HWND list);

}  // namespace testsupport
