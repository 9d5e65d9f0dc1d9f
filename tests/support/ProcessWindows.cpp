#include "tests/support/ProcessWindows.h"

#include "base/Handles.h"

#include <tlhelp32.h>

namespace testsupport {
namespace {

struct Search {
    DWORD processId;
    const char* caption;  // nullptr: any visible message box
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char text[256] = {};
    if (search->caption) {
        GetWindowTextA(window, text, sizeof text);
        if (std::string(text) != search->caption) return TRUE;
    } else {
        GetClassNameA(window, text, sizeof text);
        if (std::string(text) != "#32770") return TRUE;
    }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK AppendText(HWND child, LPARAM data) {
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    *reinterpret_cast<std::string*>(data) += std::string("\n") + text;
    return TRUE;
}

}  // namespace

HWND MessageBoxOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND box) {
    char caption[1024] = {};
    GetWindowTextA(box, caption, sizeof caption);
    std::string text = caption;
    EnumChildWindows(box, &AppendText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool AssertionShown(DWORD processId) {
    Search search{processId, "Assertion failed"};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

size_t ThreadsOf(DWORD processId) {
    base::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) return 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    size_t count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        if (entry.th32OwnerProcessID == processId) ++count;
    return count;
}

}  // namespace testsupport
