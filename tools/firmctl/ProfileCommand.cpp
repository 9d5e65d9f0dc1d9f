#include <string>
#include <vector>

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/StoredProfiles.h"
#include "tools/firmctl/Commands.h"
#include "tools/firmctl/Output.h"

namespace firmctl {

int ListProfiles(int argc, char**) {
    if (argc != 0) {
        Fail("usage: firmctl profiles");
        return kExitUnsupported;
    }
    std::vector<std::string> names;
    if (!kiln::ReadStoredProfileNames(names)) {
        Fail("cannot list group %u", kiln::ItemGroup(kiln::kStoredProfilesItem));
        return kExitFailed;
    }
    int result = kExitOk;
    for (uint32_t i = 0; i < names.size(); ++i) {
        Print("%u\t%s\n", i, names[i].c_str());
        std::vector<std::pair<uint32_t, uint32_t>> pairs;
        if (!kiln::ReadStoredProfile(i, pairs)) {
            Fail("cannot read built-in profile %u", i);
            result = kExitFailed;
            continue;
        }
        for (const auto& [number, value] : pairs) Print("\t0x%08X\t%u\n", number, value);
    }
    return result;
}

}  // namespace firmctl
