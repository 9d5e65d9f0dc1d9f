#pragma once
// One running copy of the program as the soak drives it: its controls
// reached by name, presses sent as the mouse gives them, the dialog library's
// windows of this process only (the other copy has windows of the same
// classes), and what the system reports of its resources.

#include "tests/support/RunningCopy.h"
#include "tests/support/ServiceProcess.h"

#include <windows.h>

#include <functional>
#include <string>

namespace soak {

// What the system reports of a process; Wine leaves some of it at zero for
// processes other than the caller's own (GetGuiResources is not implemented,
// nor PrivateUsage and the handle count across processes).
struct ResourceFigures {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateUsage = 0;
    SIZE_T pagefileUsage = 0;
    SIZE_T workingSet = 0;
    DWORD kernelHandles = 0;
    DWORD windows = 0;  // top-level and child windows of the process
};

class SoakCopy {
public:
    explicit SoakCopy(const std::string& programFolder);

    bool Ready() const { return m_main != nullptr; }
    HWND Main() const { return m_main; }
    DWORD ProcessId() const { return m_program.ProcessId(); }

    // The windowed control named `name`; nullptr when there is none.
    HWND Control(const std::string& name) const;
    // A press and release at the window's centre, handled before this returns.
    void Press(HWND window) const;
    // The same, posted: for presses that open a dialog and wait in its loop.
    void PostPress(HWND window) const;
    // A private or system message, handled before this returns.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Returns once the copy has handled everything posted to it so far: a
    // resume event without a suspend before it only asks the service for
    // its state, and the service logs each request.
    bool Drain(const testsupport::ServiceProcess& service) const;

    // This process's shown dialog of the class, else nullptr.
    HWND ShownDialog(const char* className) const;
    bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 10000) const;

    ResourceFigures Figures() const;

private:
    testsupport::RunningCopy m_program;
    HWND m_main = nullptr;
};

}  // namespace soak
