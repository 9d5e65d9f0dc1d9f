#pragma once
// Check boxes and tabs draw their faces opaque: each state picture, soft
// edges and all, is blended once over the part of the window's background
// the control covers, and the blend becomes the face.

#include "frame/Bitmap.h"
#include "kiln/Component/LuAppearance.h"
#include "resources/SkinNames.h"

// Loads the named pictures (an empty name leaves that face as it is) and
// blends each over `background` at (left, top), the control's place.
void LoadOpaqueFaces(kiln::LuFourStateAppearance& group, const skin::StateImages& faces, frame::Bitmap& background,
                     int left, int top);
