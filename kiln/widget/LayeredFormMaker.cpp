#include "kiln/widget/LayeredFormMaker.h"

#include "frame/Form.h"

namespace kiln {

TLayeredFormMaker::TLayeredFormMaker() {
    auto maker = std::make_unique<LayeredWindowMaker>();
    if (!maker->IsEnabled()) return;
    maker->SetUseColorKey(true);
    m_maker = std::move(maker);
}

TLayeredFormMaker::~TLayeredFormMaker() = default;

void TLayeredFormMaker::ApplyToForm(frame::Form* form, frame::Image*) {
    form->SetColor(TransparentColor());
    if (m_maker) m_maker->Apply(form->Handle());
}

void TLayeredFormMaker::RemoveFromWindow(HWND window) {
    if (m_maker) m_maker->Remove(window);
}

void TLayeredFormMaker::SetTransparentColor(frame::Color color) {
    m_transparentColor = frame::ColorToRGB(color) & 0x00FFFFFF;
    if (m_maker) m_maker->SetColorKey(color);
}

frame::Color TLayeredFormMaker::TransparentColor() const {
    return m_maker ? m_maker->ColorKey() : m_transparentColor;
}

}  // namespace kiln
