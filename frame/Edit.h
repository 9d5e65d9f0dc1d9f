#pragma once
// A single-line text field (the system's edit control).

#include "base/Handles.h"
#include "frame/WinControl.h"

namespace frame {

class Edit : public WinControl {
public:
    Edit();

    bool Border() const { return m_border; }
    // Only before the window exists.
    void SetBorder(bool border) { m_border = border; }
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    void SelectAll();

    // The text changed, by the user or by SetText.
    NotifyEvent OnChange;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void Dispatch(Message& message) override;
    void PropertiesChanged() override;

private:
    bool m_border = true;
    int m_maxLength = 0;
    base::GdiBrush m_background;
};

}  // namespace frame
