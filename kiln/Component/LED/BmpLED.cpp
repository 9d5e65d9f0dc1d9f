#include "kiln/Component/LED/BmpLED.h"

#include "base/Diagnostics.h"

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/Component/LED/BmpLED";

}  // namespace

TBitmapLED::TBitmapLED(int stateCount, SimplePainter* painter) : m_helper(painter) {
    for (int i = 0; i < stateCount; ++i) m_bitmaps.push_back(std::make_unique<frame::Bitmap>());
}

TBitmapLED::~TBitmapLED() {
    // The reverse of creation, so no state outlives the ones made before it.
    while (!m_bitmaps.empty()) m_bitmaps.pop_back();
}

void TBitmapLED::SetState(int state) {
    BASE_ASSERT(state >= 0 && state < StateCount(), kSource);
    m_helper.state = state;
    Paint();
}

void TBitmapLED::Redraw() {
    const int m_state = m_helper.state;
    BASE_ASSERT(m_state >= 0 && m_state < StateCount(), kSource);
    Paint();
}

void TBitmapLED::Paint() {
    m_helper.figure.SetPicture(*m_bitmaps[m_helper.state]);
    DrawFigure();
}

frame::Bitmap& TBitmapLED::Bitmap(int index) {
    BASE_ASSERT(index < (int) m_bitmaps.size(), kSource);
    BASE_ASSERT(index >= 0, kSource);
    return *m_bitmaps[index];
}

int TBitmapLED::IndexOf(const frame::Bitmap& bitmap) const {
    for (size_t i = 0; i < m_bitmaps.size(); ++i)
        if (m_bitmaps[i].get() == &bitmap) return static_cast<int>(i);
    return -1;
}

}  // namespace kiln
