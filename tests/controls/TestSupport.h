#pragma once
// Shared helpers of the control tests: assertions surface as exceptions so a
// test can expect them, and pixels are read straight from DIB sections.

#include "kiln/Graphics/DibSection.h"
#include "kiln/System/Diagnostics.h"

#include <stdexcept>
#include <string>

namespace testing_controls {

struct AssertionStop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void ThrowOnAssert() {
    kiln::SetAssertHandler([](const char* message) { throw AssertionStop(message); });
}

// "Assertion failed: <condition>, file ..." -> the condition.
inline std::string AssertedCondition(const AssertionStop& stop) {
    std::string text = stop.what();
    const std::string prefix = "Assertion failed: ";
    const size_t end = text.find(", file ");
    return text.substr(prefix.size(), end - prefix.size());
}

inline COLORREF PixelAt(const kiln::DibSection& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = dib.View().Pixel(x, y);
    return RGB(p[2], p[1], p[0]);
}

inline void SetPixelAt(const kiln::DibSection& dib, int x, int y, COLORREF color, BYTE alpha = 255) {
    BYTE* p = dib.View().Pixel(x, y);
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
    if (dib.BitsPerPixel() == 32) p[3] = alpha;
}

inline void FillColor(const kiln::DibSection& dib, COLORREF color, BYTE alpha = 255) {
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) SetPixelAt(dib, x, y, color, alpha);
}

}  // namespace testing_controls
