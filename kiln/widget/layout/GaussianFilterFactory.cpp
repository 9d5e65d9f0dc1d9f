#include "kiln/widget/layout/GaussianFilterFactory.h"

#include "base/Diagnostics.h"

#include <cmath>

namespace kiln {
namespace {

int RoundHalfUp(double value) { return static_cast<int>(value + 0.5); }

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

GaussianKernel GaussianFilterFactory::Make(int r) const {
    BASE_ASSERT(r > 0, "kiln/widget/layout/source/TLayout");
    if (r == 1) return Radius1();
    if (r == 2) return Radius2();
    const double twoSigmaSquared = 2.0 * m_sigma * m_sigma;
    // Scaled so that the corner entries come out as 1.
    const double scale = RoundHalfUp(1.0 / std::exp(-2.0 * r * r / twoSigmaSquared));
    GaussianKernel kernel;
    kernel.radius = r;
    for (int i = -r; i <= r; ++i) {
        for (int j = -r; j <= r; ++j) {
            const int value = RoundHalfUp(std::exp(-(i * i + j * j) / twoSigmaSquared) * scale);
            kernel.values.push_back(value);
            kernel.divisor += value;
        }
    }
    return kernel;
}

}  // namespace kiln
