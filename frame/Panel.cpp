#include "frame/Panel.h"

namespace frame {

Panel::Panel() {
    m_width = 185;
    m_height = 41;
}

void Panel::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    params.className = "FramePanel";
}

}  // namespace frame
