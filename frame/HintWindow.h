#pragma once
// Hints as tooltips: one tooltip window for the application with one tool
// per control. The tools are collected from the start; the tooltip, and with
// it the common controls library, is made when the first mouse message comes
// through the message loop (or someone asks for its handle), so that a
// program starting hidden in the notification area does not pay for it.

#include "base/Handles.h"

#include <windows.h>

#include <vector>

namespace frame {

class Control;

class HintWindow {
public:
    HintWindow() = default;
    HintWindow(const HintWindow&) = delete;
    HintWindow& operator=(const HintWindow&) = delete;
    ~HintWindow();

    // Registers, re-registers or removes the control's tool to match its
    // hint, ShowHint flag, visibility and bounds.
    void Update(Control* control);
    void Remove(Control* control);
    bool IsRegistered(const Control* control) const;
    // Makes the tooltip with every tool collected so far.
    void Realize();
    // Shows the tooltip a mouse message from the message loop.
    void Relay(MSG& message);
    HWND Handle() {
        Realize();
        return m_tooltip;
    }

private:
    struct Tool {
        Control* control;
        HWND host;
        UINT_PTR id;
        bool windowed;
    };

    bool EnsureWindow();
    bool AddTool(const Tool& tool);
    void DeleteTool(Control* control);

    base::ModuleHandle m_commonControls;  // loaded with the tooltip
    HWND m_tooltip = nullptr;
    bool m_unavailable = false;  // the tooltip could not be made: no hints
    // The address each tool was added under: the control may be half
    // destroyed when its tool is removed.
    std::vector<Tool> m_registered;
};

}  // namespace frame
