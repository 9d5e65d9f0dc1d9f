#include <string>

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/BiosNumberItem.h"
#include "kiln/arvex/ItemTraverser.h"
#include "tools/firmctl/Arguments.h"
#include "tools/firmctl/Commands.h"
#include "tools/firmctl/ItemLookup.h"
#include "tools/firmctl/Output.h"

namespace firmctl {
namespace {

bool IsBoolean(const kiln::BiosItem& item) {
    return kiln::ItemKind(item.Number()) == kiln::kKindBoolean;
}

// A boolean item has no texts; its value is shown as the number it is.
std::string TextOf(const kiln::BiosItem& item, uint32_t index) {
    return IsBoolean(item) ? std::to_string(index) : item.IndexToString(index);
}

bool ParseItemArgument(const char* text, uint32_t& number) {
    if (ParseNumber(text, number)) return true;
    Fail("not an item number: %s", text);
    return false;
}

}  // namespace

int ListItems(int argc, char** argv) {
    uint32_t group = 0;
    if (argc != 1 || !ParseNumber(argv[0], group) || group > 255) {
        Fail("usage: firmctl items GROUP (0-255)");
        return kExitUnsupported;
    }
    kiln::ItemTraverser traverser;
    if (!traverser.Open(group)) {
        Fail("cannot list group %u", group);
        return kExitFailed;
    }
    int result = kExitOk;
    Print("number\tname\tkind\tattributes\tdefault\tsteps\tcurrent\ttext\n");
    for (uint32_t position = 0; !traverser.AtEnd(); traverser.Next(), ++position) {
        auto item = traverser.CreateItem();
        if (!item) {
            Fail("cannot describe entry %u of group %u", position, group);
            result = kExitFailed;
            continue;
        }
        uint32_t index = 0;
        bool read = item->ReadIndex(index);
        std::string current = read ? std::to_string(index) : "-";
        std::string text = read ? TextOf(*item, index) : "-";
        Print("0x%08X\t%s\t%s\t0x%08X\t%u\t%u\t%s\t%s\n", item->Number(), item->Name(), KindName(item->Number()),
              item->Attributes(), item->DefaultIndex(), item->StepCount(), current.c_str(), text.c_str());
        if (!read) {
            Fail("cannot read item 0x%08X", item->Number());
            result = kExitFailed;
        }
    }
    return result;
}

int ShowSteps(int argc, char** argv) {
    uint32_t number = 0;
    if (argc != 1) {
        Fail("usage: firmctl steps ITEM");
        return kExitUnsupported;
    }
    if (!ParseItemArgument(argv[0], number)) return kExitUnsupported;
    auto item = FindItem(number);
    if (!item) return kExitFailed;
    const auto* numeric = dynamic_cast<const kiln::BiosNumberItem*>(item.get());
    Print(numeric ? "index\ttext\trational\n" : "index\ttext\n");
    for (uint32_t index = 0; index < item->StepCount(); ++index) {
        std::string text = item->IndexToString(index);
        if (!numeric) {
            Print("%u\t%s\n", index, text.c_str());
            continue;
        }
        int32_t numerator = 0, denominator = 1;
        if (index < numeric->ExtraStringCount() || !numeric->IndexToRational(index, numerator, denominator))
            Print("%u\t%s\t-\n", index, text.c_str());
        else
            Print("%u\t%s\t%d/%d\n", index, text.c_str(), numerator, denominator);
    }
    return kExitOk;
}

int GetItem(int argc, char** argv) {
    uint32_t number = 0;
    if (argc != 1) {
        Fail("usage: firmctl get ITEM");
        return kExitUnsupported;
    }
    if (!ParseItemArgument(argv[0], number)) return kExitUnsupported;
    auto item = FindItem(number);
    if (!item) return kExitFailed;
    uint32_t index = 0;
    if (!item->ReadIndex(index)) {
        Fail("cannot read item 0x%08X", number);
        return kExitFailed;
    }
    Print("%u\t%s\n", index, TextOf(*item, index).c_str());
    return kExitOk;
}

int SetItem(int argc, char** argv) {
    uint32_t number = 0, index = 0, mode = kiln::kWriteModeTuning;
    if (argc < 2 || argc > 3) {
        Fail("usage: firmctl set ITEM INDEX [MODE]");
        return kExitUnsupported;
    }
    if (!ParseItemArgument(argv[0], number)) return kExitUnsupported;
    if (!ParseNumber(argv[1], index)) {
        Fail("not a step index: %s", argv[1]);
        return kExitUnsupported;
    }
    if (argc == 3 && !ParseNumber(argv[2], mode)) {
        Fail("not a write mode: %s", argv[2]);
        return kExitUnsupported;
    }
    auto item = FindItem(number);
    if (!item) return kExitFailed;
    // Items with a step table take only its indexes; the others (switches,
    // flag words) take whatever the firmware accepts.
    if (item->StepCount() > 0 && index >= item->StepCount()) {
        Fail("index %u is outside the %u steps of item 0x%08X", index, item->StepCount(), number);
        return kExitFailed;
    }
    if (!kiln::Succeeded(item->WriteIndex(index, mode))) {
        Fail("cannot write %u to item 0x%08X", index, number);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace firmctl
