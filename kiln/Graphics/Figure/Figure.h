#pragma once
// Something drawn at a position that can be drawn, erased and moved.

namespace kiln {

class Figure {
public:
    virtual ~Figure() = default;
    virtual void Draw() = 0;
    virtual void Erase() = 0;
    virtual void MoveBy(int dx, int dy) = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

}  // namespace kiln
