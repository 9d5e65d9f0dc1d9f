#include "kiln/Component/AlphaButton.h"

#include "kiln/Graphics/PngReader.h"
#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/Blend.h"

#include <algorithm>

namespace kiln {

AlphaButton::AlphaButton(frame::Bitmap& background) : m_background(background) {
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
    m_background.SetPixelFormat(frame::PixelFormat::Bits32);
    const PixelView background = ViewOf(m_background);
    for (size_t i = 0; i < m_sources.size(); ++i) {
        frame::Bitmap& source = m_sources[i];
        if (source.Empty()) continue;
        // The part of the background under the face; outside the background
        // the face is blended over black.
        frame::Bitmap face(source.Width(), source.Height(), frame::PixelFormat::Bits32);
        const PixelView composed = ViewOf(face);
        for (int y = 0; y < composed.height; ++y) {
            const int by = Top() + y;
            if (by < 0 || by >= background.height) continue;
            const int x0 = std::max(0, -Left()), x1 = std::min(composed.width, background.width - Left());
            if (x0 >= x1) continue;
            std::copy_n(background.Pixel(Left() + x0, by), (x1 - x0) * 4, composed.Pixel(x0, y));
        }
        Blend(ViewOf(source), RECT{0, 0, source.Width(), source.Height()}, composed, 0, 0, 255);
        for (int y = 0; y < composed.height; ++y)
            for (int x = 0; x < composed.width; ++x) composed.Pixel(x, y)[3] = 0;
        face.Changed();
        Appearance().SetFace(static_cast<int>(i), face);
    }
    Invalidate();
}

void AlphaButton::SetBounds(int left, int top, int width, int height) {
    const bool unchanged = left == Left() && top == Top() && width == Width() && height == Height();
    LuButtonTx::SetBounds(left, top, width, height);
    if (!unchanged) Recompose();
}

}  // namespace kiln
