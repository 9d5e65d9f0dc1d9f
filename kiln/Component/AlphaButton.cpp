#include "kiln/Component/AlphaButton.h"

#include "kiln/Graphics/FaceComposition.h"
#include "kiln/Graphics/PngReader.h"

namespace kiln {

AlphaButton::AlphaButton(const frame::Bitmap& background) : m_background(background) {
    for (frame::Bitmap& source : m_sources) source.SetPixelFormat(frame::PixelFormat::Bits32);
}

void AlphaButton::LoadFaces(const std::string& raised, const std::string& sunken, const std::string& focused,
                            const std::string& disabled) {
    const std::array<const std::string*, 4> names{&raised, &sunken, &focused, &disabled};
    for (size_t i = 0; i < names.size(); ++i)
        if (!names[i]->empty()) LoadPng(GetResourceFolder() + *names[i], m_sources[i]);
    Recompose();
}

void AlphaButton::Recompose() {
    if (m_composing) return;
    m_composing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_composing};
    // The window's background is read as it is, 24 or 32 bits: made 32-bit
    // here, it became a 1.8 MB picture of its own instead of the one it
    // shares with the background holder.
    for (size_t i = 0; i < m_sources.size(); ++i) {
        frame::Bitmap& source = m_sources[i];
        if (source.Empty()) continue;
        ComposeOverBackground(source, m_background, Left(), Top(), m_composed);
        Appearance().SetFace(static_cast<int>(i), m_composed);
    }
    Invalidate();
}

void AlphaButton::SetBounds(int left, int top, int width, int height) {
    const bool unchanged = left == Left() && top == Top() && width == Width() && height == Height();
    LuButtonTx::SetBounds(left, top, width, height);
    if (!unchanged) Recompose();
}

}  // namespace kiln
