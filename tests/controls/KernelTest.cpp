#include "kiln/widget/layout/GaussianFilterFactory.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace testing_controls;

namespace {

TEST(GaussianFilterFactory, TheTwoSharedKernels) {
    kiln::GaussianFilterFactory factory;
    const kiln::GaussianKernel one = factory.Make(1);
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2, 4, 2, 1, 2, 1}), one.values);
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
    EXPECT_EQ(std::accumulate(three.values.begin(), three.values.end(), 0), three.divisor);
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
