#pragma once
// The item sets a value widget reads and checks against. The program's
// widgets use the process-wide sets; a widget can be given others (a board
// loaded after the process-wide sets were built, in tests and tools).

#include "app/ocitems/LuOcLimitCheck.h"
#include "app/ocitems/LuOcPrimaryItemSet.h"
#include "app/ocitems/LuOcRatio.h"

struct AdvItemSets {
    LuOcPrimaryItemSet& primary;
    LuOcRatio& ratio;
    LuOcLimitCheck& limits;

    static AdvItemSets Program() {
        return AdvItemSets{LuOcPrimaryItemSet::Instance(), LuOcRatio::Instance(), LuOcLimitCheck::Instance()};
    }
};
