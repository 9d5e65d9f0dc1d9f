#pragma once
// Blur kernels for soft text shadows. Radii 1 and 2 are the classic integer
// kernels, built once and shared; larger radii are computed from sigma.
//
// Computed kernels are scaled so that their corners come out as 1, which
// makes the centre grow as e^(r²/sigma²): already past 32 bits at radius 5
// with sigma 1. Entries and sums are therefore 64-bit, and a radius whose
// sums would not fit even there is refused rather than wrapped.

#include <cstdint>
#include <vector>

namespace kiln {

struct GaussianKernel {
    int radius = 0;
    std::vector<std::int64_t> values;  // (2 radius + 1)^2 entries, row by row
    std::int64_t divisor = 0;

    int Side() const { return 2 * radius + 1; }
    // i and j run from -radius to radius.
    std::int64_t At(int i, int j) const { return values[(i + radius) * Side() + (j + radius)]; }

    // The blurred grey value at (x, y) of a row-major field of 0-255 values,
    // rounded to nearest; the kernel must lie wholly inside the field.
    int BlurAt(const std::vector<int>& grey, int width, int x, int y) const;
};

class GaussianFilterFactory {
public:
    void SetSigma(float sigma) { m_sigma = sigma; }

    // Whether Make can build the kernel for radius r at this sigma without
    // its sums overflowing: r > 0, and for computed radii a positive sigma
    // that keeps 255 times the divisor within 64 bits.
    bool Serves(int r) const;

    // Radius 0 and radii that Serves refuses are programming errors.
    GaussianKernel Make(int r) const;

private:
    float m_sigma = 1.0f;
};

}  // namespace kiln
