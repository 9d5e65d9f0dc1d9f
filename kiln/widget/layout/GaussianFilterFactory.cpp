#include "kiln/widget/layout/GaussianFilterFactory.h"

#include "base/Diagnostics.h"

#include <cmath>
#include <limits>

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/widget/layout/source/TLayout";

std::int64_t RoundHalfUp(double value) { return static_cast<std::int64_t>(value + 0.5); }

const GaussianKernel& Radius1() {
    static const GaussianKernel kernel{1, {1, 2, 1, 2, 4, 2, 1, 2, 1}, 16};
    return kernel;
}

const GaussianKernel& Radius2() {
    static const GaussianKernel kernel{2,
                                       {1, 4, 7, 4, 1,       //
                                        4, 16, 26, 16, 4,    //
                                        7, 26, 41, 26, 7,    //
                                        4, 16, 26, 16, 4,    //
                                        1, 4, 7, 4, 1},
                                       273};
    return kernel;
}

}  // namespace

int GaussianKernel::BlurAt(const std::vector<int>& grey, int width, int x, int y) const {
    std::int64_t sum = 0;
    for (int i = -radius; i <= radius; ++i)
        for (int j = -radius; j <= radius; ++j) sum += grey[(y + i) * width + (x + j)] * At(i, j);
    return static_cast<int>(static_cast<double>(sum) / static_cast<double>(divisor) + 0.5);
}

bool GaussianFilterFactory::Serves(int r) const {
    if (r <= 0) return false;
    if (r <= 2) return true;
    if (!(m_sigma > 0.0f) || !std::isfinite(m_sigma)) return false;
    // The divisor is below (2r + 1)² times the centre entry, which is the
    // scale; compared in logarithms so that the test itself cannot overflow.
    const double side = 2.0 * r + 1.0;
    const double logScale = static_cast<double>(r) * r / (static_cast<double>(m_sigma) * m_sigma);
    const double logLargestSum = logScale + std::log(side * side * 255.0);
    return logLargestSum < std::log(static_cast<double>(std::numeric_limits<std::int64_t>::max())) - 1.0;
}

GaussianKernel GaussianFilterFactory::Make(int r) const {
    BASE_ASSERT(r > 0, kSource);
    if (r == 1) return Radius1();
    if (r == 2) return Radius2();
    BASE_ASSERT(Serves(r), kSource);
    const double twoSigmaSquared = 2.0 * m_sigma * m_sigma;
    // Scaled so that the corner entries come out as 1.
    const double scale = static_cast<double>(RoundHalfUp(1.0 / std::exp(-2.0 * r * r / twoSigmaSquared)));
    GaussianKernel kernel;
    kernel.radius = r;
    for (int i = -r; i <= r; ++i) {
        for (int j = -r; j <= r; ++j) {
            const std::int64_t value = RoundHalfUp(std::exp(-(i * i + j * j) / twoSigmaSquared) * scale);
            kernel.values.push_back(value);
            kernel.divisor += value;
        }
    }
    return kernel;
}

}  // namespace kiln
