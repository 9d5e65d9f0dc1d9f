#include "app/ocitems/LuOcLimitCheck.h"

#include "kiln/arvex/BiosInterface.h"

LuOcLimitCheck& LuOcLimitCheck::Instance() {
    static LuOcLimitCheck instance;
    return instance;
}

bool LuOcLimitCheck::ExceedsLimit(uint32_t argument, uint32_t value) {
    if (m_presence == Presence::Unknown)
        m_presence = kiln::IsItemPresent(kLimitItem) ? Presence::Present : Presence::Absent;
    if (m_presence == Presence::Absent) return false;
    uint32_t answer = 0;
    if (!kiln::GetItemLimit(kLimitItem, argument, answer)) return false;
    uint32_t limit = answer >> 16;
    return limit != 0 && value > limit;
}
