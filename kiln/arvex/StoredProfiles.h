#pragma once
// The overclocking profiles the firmware itself stores: their names are the
// texts of one group-5 string item, their contents item/value pairs read by
// position.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kiln {

inline constexpr uint32_t kStoredProfilesItem = 0x05080002;

// The names in stored order, from the last group-5 item numbered 2 in its
// group (none unless it is a string item). False when group 5 cannot be
// listed or one of its items cannot be described (it may be the names
// item): the names may then be incomplete. Walks the whole group, so
// callers keep a complete answer.
bool ReadStoredProfileNames(std::vector<std::string>& names);

// The (item number, value) pairs of stored profile `index`, up to the end
// marker or the end of the data the firmware returned. False when the
// firmware refuses the index.
bool ReadStoredProfile(uint32_t index, std::vector<std::pair<uint32_t, uint32_t>>& pairs);

}  // namespace kiln
