#include "kiln/Graphics/Figure/BmpFigure.h"

#include "base/Diagnostics.h"

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/Graphics/Figure/BmpFigure";

}  // namespace

void BitmapFigure::Draw() {
    BASE_ASSERT(m_painterPtr, kSource);
    if (!m_bitmap || m_bitmap->Empty()) return;
    m_painterPtr->Prepare();
    m_painterPtr->CopyBitmap(*m_bitmap, m_x, m_y);
}

void BitmapFigure::Erase() {
    BASE_ASSERT(m_painterPtr, kSource);
    m_painterPtr->FillBackground(RECT{m_x, m_y, m_x + Width(), m_y + Height()});
}

void BitmapFigure::MoveBy(int dx, int dy) {
    m_x += dx;
    m_y += dy;
}

frame::Bitmap& BitmapFigure::EnsureBitmap() {
    BASE_ASSERT(m_painterPtr, kSource);
    if (!m_bitmap) {
        m_bitmap = std::make_unique<frame::Bitmap>();
        m_bitmap->SetPixelFormat(m_painterPtr->Layer().Picture().Format());
    }
    return *m_bitmap;
}

void TBitmapFigure::SetPicture(const frame::Bitmap& picture) {
    frame::Bitmap& own = EnsureBitmap();
    own.AssignAs(picture, own.Format());
}

}  // namespace kiln
