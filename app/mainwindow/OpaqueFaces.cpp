#include "app/mainwindow/OpaqueFaces.h"

#include "app/mainwindow/WidgetParts.h"
#include "kiln/Graphics/FaceComposition.h"

void LoadOpaqueFaces(kiln::LuFourStateAppearance& group, const skin::StateImages& faces, frame::Bitmap& background,
                     int left, int top) {
    const char* names[] = {faces.normal, faces.pressed, faces.hover, faces.disabled};
    for (int offset = 0; offset < 4; ++offset) {
        if (!names[offset] || !*names[offset]) continue;
        frame::Bitmap picture = LoadSkinPicture(names[offset]);
        group.SetFace(offset, kiln::ComposeOverBackground(picture, background, left, top));
    }
}
