#include "standins/firmlink/BoardChecker.h"

#include <set>
#include <string>

#include "standins/firmlink/BoardFields.h"
#include "standins/firmlink/ItemDescription.h"
#include "standins/firmlink/LineJson.h"
#include "standins/firmlink/SharedBlock.h"
#include "vendor/firmlink.h"

namespace firmsim {
namespace {

using json = nlohmann::json;

class BoardChecker {
public:
    BoardChecker(Board& board, const json& root) : m_board(board), m_root(root) {}

    void Run() {
        std::set<uint32_t> groups, items;
        const json& groupList = m_root["groups"];
        for (std::size_t g = 0; g < m_board.groups.size(); ++g) {
            const BoardGroup& group = m_board.groups[g];
            if (!groups.insert(group.number).second) Fail(groupList[g], "group", "group " + std::to_string(group.number) + " is listed twice");
            for (std::size_t i = 0; i < group.items.size(); ++i)
                if (!items.insert(group.items[i].number).second)
                    Fail(groupList[g]["items"][i], "number", ItemLabel(group.items[i]) + " is listed twice");
        }
        if (items.size() > kMaxSharedSlots)
            Fail(m_root, "groups", "the board has " + std::to_string(items.size()) + " items; at most " + std::to_string(kMaxSharedSlots) + " are simulated");
        CheckSelector();
        for (std::size_t g = 0; g < m_board.groups.size(); ++g) {
            for (std::size_t i = 0; i < m_board.groups[g].items.size(); ++i) {
                BoardItem& item = m_board.groups[g].items[i];
                const json& object = groupList[g]["items"][i];
                CheckPerCore(item, object);
                ResolveLimits(item, object);
                CheckProfiles(item, object);
                CheckFits(item, object);
            }
            if (GroupListPackage(m_board.groups[g]).ByteSize() > kFirmPackageCapacity)
                Fail(groupList[g], "items", "group " + std::to_string(m_board.groups[g].number) + " lists more items than a " +
                                                std::to_string(kFirmPackageCapacity) + "-byte package holds");
        }
    }

private:
    [[noreturn]] void Fail(const json& object, const char* key, const std::string& what) const { throw LineJsonError(LineOf(object, key), what); }

    const json& ObjectOf(uint32_t number) const {
        const json& groupList = m_root["groups"];
        for (std::size_t g = 0; g < m_board.groups.size(); ++g)
            for (std::size_t i = 0; i < m_board.groups[g].items.size(); ++i)
                if (m_board.groups[g].items[i].number == number) return groupList[g]["items"][i];
        return m_root;
    }

    void CheckSelector() {
        const BoardItem* selector = m_board.FindItem(kCoreSelector);
        if (!selector) return;
        const json& object = ObjectOf(kCoreSelector);
        if (selector->kind != ItemKind::Number || selector->flags || !selector->extraStrings.empty())
            Fail(object, "number", "the core selector " + Hex(kCoreSelector) + " must be a number item whose step count is the core count");
        if (selector->numericSteps > kMaxCores)
            Fail(object, "count", "the core selector counts " + std::to_string(selector->numericSteps) + " cores; at most " + std::to_string(kMaxCores) + " are simulated");
        if (selector->perCore) Fail(object, "current", "the core selector itself has one current value");
        m_board.coreCount = selector->numericSteps;
    }

    void CheckPerCore(const BoardItem& item, const json& object) const {
        if (!item.perCore) return;
        if (!m_board.FindItem(kCoreSelector))
            Fail(object, "current", ItemLabel(item) + " has one value per core but the board has no core selector " + Hex(kCoreSelector));
        if (item.initial.size() != m_board.coreCount)
            Fail(object, "current", ItemLabel(item) + " lists " + std::to_string(item.initial.size()) + " current values for " + std::to_string(m_board.coreCount) + " cores");
    }

    void ResolveLimits(BoardItem& item, const json& object) const {
        for (ItemLimit& limit : item.limits) {
            const BoardItem* target = m_board.FindItem(limit.argument);
            if (!target) Fail(object, "limits", ItemLabel(item) + " limits " + Hex(limit.argument) + ", which the board does not have");
            if (limit.limit != 0 && !target->IsValidIndex(limit.limit))
                Fail(object, "limits", ItemLabel(item) + ": the limit " + std::to_string(limit.limit) + " of " + ItemLabel(*target) + " is at or beyond its step count");
            limit.argument = target->number & 0xFFFF;
        }
    }

    void CheckProfiles(const BoardItem& item, const json& object) const {
        for (const StoredProfile& profile : item.profiles) {
            for (const auto& [number, value] : profile.values) {
                const BoardItem* target = m_board.FindItem(number);
                if (!target) Fail(object, "profiles", "profile \"" + profile.name + "\" sets " + Hex(number) + ", which the board does not have");
                if (!target->IsValidIndex(value))
                    Fail(object, "profiles", "profile \"" + profile.name + "\" sets " + ItemLabel(*target) + " to " + std::to_string(value) + ", at or beyond its step count");
            }
        }
    }

    // Callers pass 4096-byte buffers: an item that cannot be described or a
    // profile that cannot be read in one would be unreachable.
    void CheckFits(const BoardItem& item, const json& object) const {
        if (DescribeItemPackage(item).ByteSize() > kFirmPackageCapacity)
            Fail(object, "number", ItemLabel(item) + ": its description is longer than a " + std::to_string(kFirmPackageCapacity) + "-byte package");
        for (const StoredProfile& profile : item.profiles)
            if (StoredProfileWords(profile).size() * sizeof(uint32_t) > kFirmPackageCapacity)
                Fail(object, "profiles", "profile \"" + profile.name + "\" is longer than a " + std::to_string(kFirmPackageCapacity) + "-byte buffer");
    }

    Board& m_board;
    const json& m_root;
};

}  // namespace

void CheckBoard(Board& board, const json& root) { BoardChecker(board, root).Run(); }

}  // namespace firmsim
