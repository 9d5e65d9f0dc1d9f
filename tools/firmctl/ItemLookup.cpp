#include "tools/firmctl/ItemLookup.h"

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"
#include "tools/firmctl/Output.h"

namespace firmctl {

std::unique_ptr<kiln::BiosItem> FindItem(uint32_t number) {
    kiln::ItemTraverser traverser;
    if (!traverser.Open(kiln::ItemGroup(number))) {
        Fail("cannot list group %u of item 0x%08X", kiln::ItemGroup(number), number);
        return nullptr;
    }
    for (; !traverser.AtEnd(); traverser.Next())
        if (traverser.CurrentFetched() && traverser.CurrentNumber() == number) return traverser.CreateItem();
    Fail("unknown item 0x%08X", number);
    return nullptr;
}

const char* KindName(uint32_t number) {
    switch (kiln::ItemKind(number)) {
        case kiln::kKindString: return "string";
        case kiln::kKindBoolean: return "boolean";
        default: return "number";
    }
}

}  // namespace firmctl
