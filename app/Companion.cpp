#include "app/Companion.h"

namespace {

HWND FindFirst(const char* className, const char* newer, const char* older) {
    HWND window = FindWindowA(className, newer);
    return window ? window : FindWindowA(className, older);
}

}  // namespace

bool CompanionWindowVisible() {
    HWND application = FindFirst("TApplication", "Wattmind-6 Engine", "Wattmind");
    return application && (GetWindowLongA(application, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND FindCompanionMainWindow() {
    return FindFirst("TMainForm", "Wattmind Six", "Wattmind Four");
}
