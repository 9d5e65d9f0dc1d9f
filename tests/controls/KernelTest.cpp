#include "kiln/widget/layout/GaussianFilterFactory.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numeric>

using namespace testing_controls;

namespace {

TEST(GaussianFilterFactory, TheTwoSharedKernels) {
    kiln::GaussianFilterFactory factory;
    const kiln::GaussianKernel one = factory.Make(1);
    EXPECT_EQ((std::vector<std::int64_t>{1, 2, 1, 2, 4, 2, 1, 2, 1}), one.values);
    EXPECT_EQ(16, one.divisor);
    const kiln::GaussianKernel two = factory.Make(2);
    ASSERT_EQ(25u, two.values.size());
    EXPECT_EQ(41, two.At(0, 0));
    EXPECT_EQ(26, two.At(0, 1));
    EXPECT_EQ(16, two.At(-1, 1));
    EXPECT_EQ(7, two.At(2, 0));
    EXPECT_EQ(1, two.At(-2, 2));
    EXPECT_EQ(273, two.divisor);
    // The sigma only shapes computed kernels.
    factory.SetSigma(3.0f);
    EXPECT_EQ(16, factory.Make(1).divisor);
}

TEST(GaussianFilterFactory, LargerRadiiAreComputedFromSigma) {
    kiln::GaussianFilterFactory factory;
    const kiln::GaussianKernel three = factory.Make(3);
    ASSERT_EQ(49u, three.values.size());
    // scale = round(e^9) = 8103; the corners come out as 1.
    EXPECT_EQ(8103, three.At(0, 0));
    EXPECT_EQ(4915, three.At(0, 1));  // round(e^-0.5 * 8103)
    EXPECT_EQ(1, three.At(3, 3));
    EXPECT_EQ(1, three.At(-3, -3));
    EXPECT_EQ(three.At(1, 2), three.At(-2, 1));
    EXPECT_EQ(std::accumulate(three.values.begin(), three.values.end(), std::int64_t{0}), three.divisor);
}

// A field of width x height grey values, left half at `left`, right half at `right`.
std::vector<int> Field(int width, int height, int left, int right) {
    std::vector<int> grey(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) grey[y * width + x] = x < width / 2 ? left : right;
    return grey;
}

// From radius 4 on, the centre entry times 255 no longer fits 32 bits, and at
// radius 5 the centre itself does not: the blur must still come out exact.
TEST(GaussianFilterFactory, RadiiFourAndFiveBlurWithoutOverflow) {
    kiln::GaussianFilterFactory factory;
    for (int r : {3, 4, 5}) {
        SCOPED_TRACE(r);
        const kiln::GaussianKernel kernel = factory.Make(r);
        EXPECT_EQ(1, kernel.At(r, -r));
        EXPECT_EQ(std::llround(std::exp(static_cast<double>(r) * r)), kernel.At(0, 0));
        EXPECT_EQ(std::accumulate(kernel.values.begin(), kernel.values.end(), std::int64_t{0}), kernel.divisor);

        const int side = 2 * r + 1, width = 2 * side;
        const std::vector<int> white = Field(width, side, 255, 255);
        EXPECT_EQ(255, kernel.BlurAt(white, width, side, r));
        const std::vector<int> black = Field(width, side, 0, 0);
        EXPECT_EQ(0, kernel.BlurAt(black, width, side, r));
        // Centred on a black-to-white edge, a symmetric kernel sees about half.
        const std::vector<int> edge = Field(width, side, 0, 255);
        const int half = kernel.BlurAt(edge, width, width / 2, r);
        EXPECT_GT(half, 100);
        EXPECT_LT(half, 200);
    }
    EXPECT_GT(factory.Make(5).At(0, 0), std::int64_t{1} << 32);
}

TEST(GaussianFilterFactory, RadiiWhoseSumsCannotBeHeldAreRefused) {
    kiln::GaussianFilterFactory factory;
    EXPECT_TRUE(factory.Serves(5));
    EXPECT_FALSE(factory.Serves(6));  // the centre alone is e^36, about 4e15
    EXPECT_FALSE(factory.Serves(0));
    factory.SetSigma(2.0f);
    EXPECT_TRUE(factory.Serves(6));
    EXPECT_EQ(255, factory.Make(6).BlurAt(Field(26, 13, 255, 255), 26, 13, 6));
    factory.SetSigma(0.0f);
    EXPECT_TRUE(factory.Serves(2)) << "the shared kernels do not depend on sigma";
    EXPECT_FALSE(factory.Serves(3));

    testsupport::ThrowingAsserts asserts;
    factory.SetSigma(1.0f);
    EXPECT_THROW(factory.Make(6), AssertionStop);
}

TEST(GaussianFilterFactory, RadiusZeroIsAProgrammingError) {
    testsupport::ThrowingAsserts asserts;
    kiln::GaussianFilterFactory factory;
    try {
        factory.Make(0);
        FAIL() << "no assertion";
    } catch (const AssertionStop& stop) {
        EXPECT_EQ("r > 0", AssertedCondition(stop));
    }
}

}  // namespace
