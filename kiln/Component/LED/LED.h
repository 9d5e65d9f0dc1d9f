#pragma once
// The state machine behind a lamp: which state is lit and the figure that
// shows it at the lamp's position.

#include "kiln/Graphics/Figure/Figure.h"

namespace kiln {

class LED {
public:
    virtual ~LED() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual void Redraw() = 0;
    // Moves the figure onto the lamp's position and returns it.
    virtual Figure& PlaceFigure();
    virtual void DrawFigure() { PlaceFigure().Draw(); }
    virtual void EraseFigure() { GetFigure().Erase(); }
    virtual Figure& GetFigure() = 0;

private:
    int m_x = 0;
    int m_y = 0;
};

inline Figure& LED::PlaceFigure() {
    Figure& figure = GetFigure();
    if (figure.X() != m_x || figure.Y() != m_y) figure.MoveBy(m_x - figure.X(), m_y - figure.Y());
    return figure;
}

}  // namespace kiln
