#pragma once
// The shaped-form maker that makes the transparent colour see-through with
// a colour-keyed layered window. On a system without layered windows the
// form keeps its rectangular outline, painted in the transparent colour.

#include "kiln/widget/LayeredWindowMaker.h"
#include "kiln/widget/ShapedFormMaker.h"

#include <memory>

namespace kiln {

class TLayeredFormMaker : public TShapedFormMaker {
public:
    TLayeredFormMaker();
    ~TLayeredFormMaker() override;

    void ApplyToForm(frame::Form* form, frame::Image* image) override;
    void RemoveFromWindow(HWND window) override;
    void SetTransparentColor(frame::Color color) override;
    frame::Color TransparentColor() const override;

private:
    std::unique_ptr<LayeredWindowMaker> m_maker;
    frame::Color m_transparentColor = 0xFFFFFF;
};

}  // namespace kiln
