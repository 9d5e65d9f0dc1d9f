#pragma once
// The board's current tuning settings gathered into a list of item values:
// the processor ratio first, then every group-3 tuning item in firmware
// order. Snapshots for other programs and across suspend, and the baseline
// that built-in profiles are laid over, are all lists of this kind.

#include "app/ocitems/VeOcItemValue.h"

class LuOcRatio;

// What the ratio entries of the list carry.
enum class RatioEntries {
    DefaultIndex,   // one entry per core (one where cores are not set one by
                    // one), each the ratio item's default index
    CurrentValues,  // the values the firmware holds now, read core by core
    Omitted,        // no ratio entries
};

// Items that are skipped, whose description cannot be fetched, or whose
// value cannot be read are left out: a value the firmware did not give
// must never be written back to it.
VeOcItemValueList CollectCurrentSettings(LuOcRatio& ratio, RatioEntries entries);
