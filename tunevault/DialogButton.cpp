#include "tunevault/DialogButton.h"

#include "frame/Form.h"
#include "kiln/Component/LuButtonTx.h"
#include "kiln/Graphics/FaceComposition.h"
#include "resources/SkinNames.h"
#include "tunevault/SkinPictures.h"

#include <memory>

namespace tunevault {
namespace {

constexpr frame::Color kCaptionColor = RGB(204, 204, 204);
constexpr frame::Color kLitCaptionColor = RGB(155, 230, 253);

}  // namespace

void ComposeFaceOverBackground(const std::string& file, frame::Bitmap& bitmap, int x, int y,
                               frame::Bitmap& background) {
    frame::Bitmap face;
    if (!LoadSkinPicture(file, face) || face.Empty()) return;
    bitmap = kiln::ComposeOverBackground(face, background, x, y);
}

kiln::LuButtonTx* MakeDialogButton(frame::Form& dialog, frame::Bitmap& faceBackground,
                                   const DialogButtonDesign& design) {
    // Dressed before its window exists, which is then made at its place, with
    // its caption, shown and shaped in one go instead of being changed after.
    auto button = std::make_unique<kiln::LuButtonTx>();
    button->SetName(design.name);
    const skin::SkinFile* size = skin::Find(skin::folder::root, skin::dialogButton.normal);
    button->SetBounds(design.x, design.y, size->width, size->height);
    const char* faces[3] = {skin::dialogButton.normal, skin::dialogButton.pressed, skin::dialogButton.hover};
    for (int face = 0; face < 3; ++face) {
        frame::Bitmap composed;
        ComposeFaceOverBackground(faces[face], composed, design.x, design.y, faceBackground);
        if (!composed.Empty()) button->Appearance().SetFace(face, composed);
    }
    button->SetVisible(true);
    button->SetCursor(frame::Cursor::HandPoint);
    button->SetShowHint(false);
    button->Font().SetName("Arial");
    button->Font().SetColor(kCaptionColor);
    button->FontColors().SetFocused(kLitCaptionColor);
    button->FontColors().SetSunken(kLitCaptionColor);
    button->SetModalResult(design.modalResult);
    button->SetText(design.caption);
    return dialog.Adopt(std::move(button));
}

}  // namespace tunevault
