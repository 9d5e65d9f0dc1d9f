#pragma once
// A captioned button whose faces are PNG pictures with soft edges, blended
// once over the window background at the button's place, so that drawing
// them later is a plain copy.

#include "frame/Bitmap.h"
#include "kiln/Component/LuButtonTx.h"

#include <array>
#include <string>

namespace kiln {

class AlphaButton : public LuButtonTx {
public:
    // background: the picture of the window the button sits on, which
    // outlives the button.
    explicit AlphaButton(const frame::Bitmap& background);

    const char* ClassName() const override { return "AlphaButton"; }

    // Loads "Resource\" + name for each non-empty name (raised, sunken,
    // focused, disabled) and composes the faces.
    void LoadFaces(const std::string& raised, const std::string& sunken, const std::string& focused,
                   const std::string& disabled);
    // The 32-bit source picture of face index (0-3), to be filled directly.
    frame::Bitmap& Source(int index) { return m_sources.at(static_cast<size_t>(index)); }
    // Blends every source over the background again and shows the result.
    void Recompose();
    void SetBounds(int left, int top, int width, int height) override;

private:
    const frame::Bitmap& m_background;
    std::array<frame::Bitmap, 4> m_sources;
    frame::Bitmap m_composed;  // scratch for Recompose, kept for its memory
    // A new face 0 resizes the button, which must not compose again.
    bool m_composing = false;
};

}  // namespace kiln
