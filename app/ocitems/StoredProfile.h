#pragma once
// The firmware's built-in profiles: item/value pairs kept in the firmware
// and read by profile index.

#include "app/ocitems/VeOcItemValue.h"

#include <cstdint>

inline constexpr uint32_t kStoredProfilesItem = 0x05080002;

// The pairs of built-in profile `index`, in stored order; false when the
// firmware refuses the read. Only pairs that lie wholly inside the data the
// firmware returned are taken.
bool ReadStoredProfile(uint32_t index, VeOcItemValueList& pairs);

// Writes the value of every pair into each entry of `list` with the same
// item number; pairs for items the list does not hold are dropped.
void OverlayStoredProfile(const VeOcItemValueList& pairs, VeOcItemValueList& list);
