#pragma once
// Whether a value lies above the firmware's limit for an item, as read from
// the limit table item. Boards without the table have no limits.

#include <cstdint>

class LuOcLimitCheck {
public:
    static constexpr uint32_t kLimitItem = 0x030600F1;

    static LuOcLimitCheck& Instance();

    LuOcLimitCheck() = default;
    LuOcLimitCheck(const LuOcLimitCheck&) = delete;
    LuOcLimitCheck& operator=(const LuOcLimitCheck&) = delete;

    // `argument` is the low 16 bits of the item number. False when there is
    // no table, its read fails or its limit is 0.
    bool ExceedsLimit(uint32_t argument, uint32_t value);
    // The limit itself; 0 (no limit) when there is no table or the read fails.
    uint32_t Limit(uint32_t argument);
    // Whether a value lies above a limit as Limit() answers it.
    static bool Exceeds(uint32_t limit, uint32_t value) { return limit != 0 && value > limit; }

private:
    // Whether the table exists is asked once and remembered: each question
    // walks all of group 3.
    enum class Presence { Unknown, Absent, Present } m_presence = Presence::Unknown;
};
