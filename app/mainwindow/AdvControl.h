#pragma once
// What every composite widget of the main window offers the layout: where it
// is, whether it shows, and how tall it is. A widget is several controls on
// the main window; it owns none of them (the window does) but takes them off
// the window when it is destroyed.

class AdvControl {
public:
    AdvControl() = default;
    AdvControl(const AdvControl&) = delete;
    AdvControl& operator=(const AdvControl&) = delete;
    virtual ~AdvControl() = default;

    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Height() const = 0;
};
