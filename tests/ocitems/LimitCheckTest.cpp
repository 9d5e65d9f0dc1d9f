// The firmware limit check behind the high-voltage warning.

#include <gtest/gtest.h>

#include "app/ocitems/LuOcLimitCheck.h"
#include "tests/arvex/SimulatedBoard.h"

namespace {

TEST(LimitCheck, ValueAboveTheTablesLimitExceedsIt) {
    SimulatedBoard::Load("");  // core voltage (18) limited to step 100; PCH voltage (23) unlimited
    LuOcLimitCheck check;
    EXPECT_FALSE(check.ExceedsLimit(18, 100));
    EXPECT_TRUE(check.ExceedsLimit(18, 101));
    EXPECT_TRUE(check.ExceedsLimit(18, 0xFFFFFFFF));  // compared unsigned
    EXPECT_FALSE(check.ExceedsLimit(23, 0xFFFF));  // a limit of 0 is no limit
}

TEST(LimitCheck, TablePresenceIsAskedOnce) {
    SimulatedBoard::Load("");
    LuOcLimitCheck check;
    check.ExceedsLimit(18, 1);
    uint32_t walks = SimulatedBoard::Calls(5);
    check.ExceedsLimit(18, 1);
    check.ExceedsLimit(50, 1);
    EXPECT_EQ(walks, 1u);
    EXPECT_EQ(SimulatedBoard::Calls(5), walks);
    EXPECT_EQ(SimulatedBoard::Calls(12), 3u);
}

TEST(LimitCheck, NoTableOrFailedReadMeansNoLimit) {
    SimulatedBoard::Load(OCITEMS_BOARD_DIR "/primary.json");  // has no limit table
    LuOcLimitCheck without;
    EXPECT_FALSE(without.ExceedsLimit(18, 0xFFFFFFFF));
    EXPECT_EQ(SimulatedBoard::Calls(12), 0u);

    SimulatedBoard::Load("");
    SimulatedBoard::SetFault(LuOcLimitCheck::kLimitItem, kFirmFaultRead);
    LuOcLimitCheck failing;
    EXPECT_FALSE(failing.ExceedsLimit(18, 101));
}

}  // namespace
