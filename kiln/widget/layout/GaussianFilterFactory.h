#pragma once
// Blur kernels for soft text shadows. Radii 1 and 2 are the classic integer
// kernels, built once and shared; larger radii are computed from sigma.

#include <vector>

namespace kiln {

struct GaussianKernel {
    int radius = 0;
    std::vector<int> values;  // (2 radius + 1)^2 entries, row by row
    int divisor = 0;

    int Side() const { return 2 * radius + 1; }
    // i and j run from -radius to radius.
    int At(int i, int j) const { return values[(i + radius) * Side() + (j + radius)]; }
};

class GaussianFilterFactory {
public:
    float Sigma() const { return m_sigma; }
    void SetSigma(float sigma) { m_sigma = sigma; }

    // Radius 0 is a programming error.
    GaussianKernel Make(int r) const;

private:
    float m_sigma = 1.0f;
};

}  // namespace kiln
