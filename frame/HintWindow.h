#pragma once
// Hints as tooltips: one tooltip window for the application, made when the
// first control with a hint needs it, with one tool per control.

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
    HWND Handle() const { return m_tooltip; }

private:
    struct Tool {
        Control* control;
        HWND host;
        UINT_PTR id;
        bool windowed;
    };

    bool EnsureWindow();
    void DeleteTool(Control* control);

    // The common controls are loaded with the first hint, not at start-up.
    base::ModuleHandle m_commonControls;
    HWND m_tooltip = nullptr;
    // The address each tool was added under: the control may be half
    // destroyed when its tool is removed.
    std::vector<Tool> m_registered;
};

}  // namespace frame
