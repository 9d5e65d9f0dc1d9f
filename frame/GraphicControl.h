#pragma once
// A control without a window: its parent paints it in z-order (through
// Paint) and hands it the mouse messages that hit its bounds.

#include "frame/Control.h"

namespace frame {

class GraphicControl : public Control {
public:
    GraphicControl();
};

}  // namespace frame
