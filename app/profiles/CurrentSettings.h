#pragma once
// The board's tuning settings gathered into one list: the processor ratio
// first, then every other group-3 item. Built-in profiles start from this
// list and other programs' snapshots are taken with it.

#include "app/ocitems/VeOcItemValue.h"

class LuOcRatio;

enum class RatioEntries {
    // Every ratio entry carries the ratio item's default index.
    DefaultIndex,
    // The ratio as the hardware holds it now.
    Hardware,
};

// Replaces `list` with: one ratio entry per core where cores are set one by
// one, else one (none without a ratio item); then, in firmware order, every
// group-3 item that is described, not skipped and not the ratio, with its
// current value. An item whose value cannot be read is left out, so the list
// never carries a value the board did not report.
void CollectCurrentSettings(VeOcItemValueList& list, RatioEntries ratioEntries, LuOcRatio& ratio);
