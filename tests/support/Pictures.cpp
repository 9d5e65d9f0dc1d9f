#include "tests/support/Pictures.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace testsupport {
namespace {

// Bytes per pixel of the formats the pictures compare in; 0 for others.
int PixelBytes(const frame::Bitmap& picture) {
    const int bits = picture.BitsPerPixel();
    return bits == 24 || bits == 32 ? bits / 8 : 0;
}

bool Inside(const frame::Bitmap& picture, int x, int y, int width, int height) {
    return x >= 0 && y >= 0 && width >= 0 && height >= 0 && x + width <= picture.Width() &&
           y + height <= picture.Height();
}

// "(x,y) rgb(r,g,b)" or "(x,y) rgba(r,g,b,a)", from blue-green-red(-alpha) bytes.
std::string Describe(int x, int y, const std::uint8_t* pixel, int channels) {
    char text[64];
    if (channels == 4)
        std::snprintf(text, sizeof text, "(%d,%d) rgba(%u,%u,%u,%u)", x, y, pixel[2], pixel[1], pixel[0], pixel[3]);
    else
        std::snprintf(text, sizeof text, "(%d,%d) rgb(%u,%u,%u)", x, y, pixel[2], pixel[1], pixel[0]);
    return text;
}

}  // namespace

::testing::AssertionResult RegionMatches(const frame::Bitmap& actual, int x, int y, const frame::Bitmap& expected,
                                         int ex, int ey, int width, int height, int tolerance) {
    const int actualBytes = PixelBytes(actual), expectedBytes = PixelBytes(expected);
    if (!actualBytes || !expectedBytes) return ::testing::AssertionFailure() << "not a 24- or 32-bit picture";
    if (!Inside(actual, x, y, width, height) || !Inside(expected, ex, ey, width, height))
        return ::testing::AssertionFailure() << "a " << width << "x" << height << " rectangle at (" << x << "," << y
                                             << ") of a " << actual.Width() << "x" << actual.Height()
                                             << " picture, at (" << ex << "," << ey << ") of a " << expected.Width()
                                             << "x" << expected.Height() << " one";
    // Drawing through GDI may still be queued.
    GdiFlush();
    const int channels = actualBytes < expectedBytes ? actualBytes : expectedBytes;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* shown = actual.ScanLine(y + row) + x * actualBytes;
        const std::uint8_t* wanted = expected.ScanLine(ey + row) + ex * expectedBytes;
        for (int column = 0; column < width; ++column, shown += actualBytes, wanted += expectedBytes)
            for (int channel = 0; channel < channels; ++channel)
                if (std::abs(shown[channel] - wanted[channel]) > tolerance)
                    return ::testing::AssertionFailure()
                           << "pixel " << Describe(x + column, y + row, shown, channels) << " where "
                           << Describe(ex + column, ey + row, wanted, channels) << " was expected (tolerance "
                           << tolerance << ")";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PicturesMatch(const frame::Bitmap& actual, const frame::Bitmap& expected, int tolerance) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure() << "a " << actual.Width() << "x" << actual.Height() << " picture where "
                                             << expected.Width() << "x" << expected.Height() << " was expected";
    return RegionMatches(actual, 0, 0, expected, 0, 0, expected.Width(), expected.Height(), tolerance);
}

}  // namespace testsupport
