#include "app/ocitems/LuOcLimitCheck.h"

#include "kiln/arvex/BiosInterface.h"

LuOcLimitCheck& LuOcLimitCheck::Instance() {
    static LuOcLimitCheck instance;
    return instance;
}

bool LuOcLimitCheck::ExceedsLimit(uint32_t argument, uint32_t value) {
    return Exceeds(Limit(argument), value);
}

uint32_t LuOcLimitCheck::Limit(uint32_t argument) {
    if (m_presence == Presence::Unknown)
        m_presence = kiln::IsItemPresent(kLimitItem) ? Presence::Present : Presence::Absent;
    if (m_presence == Presence::Absent) return 0;
    uint32_t answer = 0;
    if (!kiln::GetItemLimit(kLimitItem, argument, answer)) return 0;
    return answer >> 16;
}
