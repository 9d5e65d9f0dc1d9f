#pragma once
// A single-line text field (the system's edit control).

#include "base/Handles.h"
#include "frame/WinControl.h"

namespace frame {

class Edit : public WinControl {
public:
    Edit();

    // Only before the window exists.
    void SetBorder(bool border) { m_border = border; }

    // The text changed, by the user or by SetText.
    NotifyEvent OnChange;

protected:
    void CreateParams(WindowParams& params) override;
    void Dispatch(Message& message) override;
    void PropertiesChanged() override;

private:
    bool m_border = true;
    base::GdiBrush m_background;
};

}  // namespace frame
