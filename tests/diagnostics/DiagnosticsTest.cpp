#include "base/Diagnostics.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

std::string g_lastText, g_lastCaption;

struct AssertionStop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TEST(Diagnostics, MessagesGoThroughTheInstalledHandlerAndBack) {
    auto previous = base::SetMessageHandler([](const char* text, const char* caption, UINT) {
        g_lastText = text;
        g_lastCaption = caption;
        return IDOK;
    });
    EXPECT_EQ(IDOK, base::ShowMessage("Item[3] does not supports IndexToValue", "BiosItem"));
    EXPECT_EQ("Item[3] does not supports IndexToValue", g_lastText);
    EXPECT_EQ("BiosItem", g_lastCaption);
    EXPECT_NE(nullptr, base::SetMessageHandler(previous));
}

TEST(Diagnostics, AssertionReportsConditionSourceAndLine) {
    base::SetAssertHandler([](const char* message) { throw AssertionStop(message); });
    const int line = __LINE__ + 2;
    try {
        BASE_ASSERT(1 + 1 == 3, "kiln/widget/Source/TShapedForm");
        FAIL() << "assertion did not stop";
    } catch (const AssertionStop& stop) {
        EXPECT_EQ("Assertion failed: 1 + 1 == 3, file kiln/widget/Source/TShapedForm, line " +
                      std::to_string(line),
                  std::string(stop.what()));
    }
    base::SetAssertHandler(nullptr);
}

TEST(Diagnostics, TrueConditionDoesNotReport) {
    base::SetAssertHandler([](const char*) { throw AssertionStop("reported"); });
    EXPECT_NO_THROW(BASE_ASSERT(2 + 2 == 4, "kiln/arvex/Source/BiosInterface"));
    base::SetAssertHandler(nullptr);
}

}  // namespace
