#pragma once
// One form with every skinned control of the toolkit, dressed in the skin's
// pictures, for trying them by hand.

#include "frame/Form.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "kiln/widget/layout/TListBoxLayout.h"

#include <memory>

class GalleryForm : public frame::Form {
public:
    GalleryForm();

private:
    void BuildBackground();
    void BuildButtons();
    void BuildChecks();
    void BuildPictures();
    void Report(const std::string& what);

    frame::Image* m_background = nullptr;
    frame::Label* m_status = nullptr;
    kiln::TListBoxLayout m_listLayout;
};
