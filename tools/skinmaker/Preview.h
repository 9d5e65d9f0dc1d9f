#pragma once
// Preview pictures for people, not for the programs: a contact sheet of
// every picture and mock-ups of the windows composed from them.

#include "tools/skinmaker/Canvas.h"
#include "tools/skinmaker/Skin.h"

namespace skinmaker {

Image ContactSheet(const Skin& skin);
Image Mockups(const Skin& skin);

} // namespace skinmaker
