#include "frame/Edit.h"

namespace frame {

Edit::Edit() {
    m_width = 121;
    m_height = 21;
    SetColor(colors::Window);
    SetTabStop(true);
}

void Edit::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    params.systemClass = "EDIT";
    params.style |= ES_AUTOHSCROLL | ES_LEFT;
    if (m_border) params.exStyle |= WS_EX_CLIENTEDGE;
}

void Edit::PropertiesChanged() {
    m_background.Reset();
    WinControl::PropertiesChanged();
}

void Edit::Dispatch(Message& message) {
    switch (message.msg) {
    case ReflectBase + WM_COMMAND:
        if (HIWORD(message.wParam) == EN_CHANGE && OnChange) OnChange(this);
        message.result = 0;
        return;
    case ReflectBase + WM_CTLCOLOREDIT:
    case ReflectBase + WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(message.wParam);
        SetTextColor(dc, ColorToRGB(Font().GetColor()));
        SetBkColor(dc, ColorToRGB(GetColor()));
        if (!m_background) m_background.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
        message.result = reinterpret_cast<LRESULT>(m_background.Get());
        return;
    }
    default: break;
    }
    WinControl::Dispatch(message);
}

}  // namespace frame
