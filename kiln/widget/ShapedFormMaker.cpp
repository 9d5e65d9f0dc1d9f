#include "kiln/widget/ShapedFormMaker.h"

#include "frame/Form.h"
#include "frame/Image.h"
#include "base/Diagnostics.h"

namespace kiln {

namespace {
constexpr const char* kSource = "kiln/widget/Source/TShapedForm";
}

TShapedFormMaker::~TShapedFormMaker() {
    Detach();
}

void TShapedFormMaker::Detach() {
    if (m_drag) m_drag->Detach();
    m_drag.reset();
    m_form = nullptr;
    m_image = nullptr;
}

bool TShapedFormMaker::Attach(frame::Image* image) {
    BASE_ASSERT(!IsAttached(), kSource);
    if (!image) return false;
    frame::Form* form = image->ParentForm();
    if (!form) return false;
    m_form = form;
    m_image = image;
    PrepareForm();

    frame::Bitmap& picture = image->Picture();
    picture.SetTransparentMode(frame::TransparentMode::Auto);
    SetTransparentColor(picture.TransparentColor());

    m_drag = CreateDragDelegate();
    if (!m_drag) m_drag = std::make_unique<TNormalDrag>();
    m_drag->Attach(m_form, m_image);
    ApplyToForm(m_form, m_image);
    return true;
}

void TShapedFormMaker::PrepareForm() {
    m_form->SetBorderStyle(frame::BorderStyle::None);
    if (m_form->Scaled()) {
        // The picture fixes the form's size in pixels; a form that the
        // framework may rescale would no longer match its own shape.
        base::ShowMessage("Scaled is not set false", m_form->Name().c_str());
        base::AssertFailed("m_form->Scaled == false", kSource, __LINE__);
    }
    m_image->SetAutoSize(true);
    m_form->SetClientSize(m_image->Width(), m_image->Height());
}

}  // namespace kiln
