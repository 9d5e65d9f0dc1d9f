#include "frame/GraphicControl.h"

namespace frame {

GraphicControl::GraphicControl() {
    m_width = 100;
    m_height = 100;
}

}  // namespace frame
