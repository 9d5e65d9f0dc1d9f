#pragma once
// A lamp with a fixed number of lit states, shown on a host control.

namespace kiln {

class LEDCtrl {
public:
    virtual ~LEDCtrl() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int index) = 0;
    virtual void Redraw() = 0;
    virtual void MoveBy(int dx, int dy) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

}  // namespace kiln
