#include "kiln/Component/LuAppearance.h"

#include "kiln/Component/LuCustomControl.h"

#include <array>
#include <memory>

namespace kiln {

frame::Bitmap& LuFourStateAppearance::Face(int offset) const { return m_control.Face(m_base + offset); }

void LuFourStateAppearance::SetFace(int offset, const frame::Bitmap& bitmap) {
    Face(offset).Assign(bitmap);
    if (m_base + offset == 0) m_control.SetTransparentColor(bitmap.TransparentColor());
}

void LoadFaces(LuFourStateAppearance& group, std::string folder, const std::string& raised,
               const std::string& sunken, const std::string& focused, const std::string& disabled) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != ':') folder += '\\';
    const std::array<const std::string*, 4> names{&raised, &sunken, &focused, &disabled};
    std::array<std::unique_ptr<frame::Bitmap>, 4> loaded;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i]->empty()) continue;
        loaded[i] = std::make_unique<frame::Bitmap>();
        loaded[i]->LoadFromFile(folder + *names[i]);
    }
    for (size_t i = 0; i < loaded.size(); ++i)
        if (loaded[i]) group.SetFace(static_cast<int>(i), *loaded[i]);
}

}  // namespace kiln
