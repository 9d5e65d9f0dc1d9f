#pragma once
// What ordinal 11 returns for an item, and what ordinals 5 and 13 return for
// a group and a stored profile, built once here so that board checks can
// measure exactly what callers will receive.

#include <cstdint>
#include <vector>

#include "standins/firmlink/Board.h"
#include "standins/firmlink/Package.h"

namespace firmsim {

PackageBuilder DescribeItemPackage(const BoardItem& item);
PackageBuilder GroupListPackage(const BoardGroup& group);
// Word 0 the pair count, then number/value pairs, then 0xFFFFFFFF.
std::vector<uint32_t> StoredProfileWords(const StoredProfile& profile);

}  // namespace firmsim
