#include "standins/firmlink/BoardParser.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>

#include "standins/firmlink/LineJson.h"
#include "standins/firmlink/SharedValues.h"
#include "standins/firmlink/firmlink.h"

namespace firmsim {
namespace {

using json = nlohmann::json;

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
    return text;
}

std::string ItemLabel(const BoardItem& item) { return "item " + Hex(item.number) + " (\"" + item.name + "\")"; }

// Checks one object's fields and converts them, throwing LineJsonError with
// the line of the field at fault.
class Fields {
public:
    // `outerLine` places the complaint when the value is not an object at all.
    Fields(const json& object, std::string where, std::size_t outerLine = 0) : m_object(object), m_where(std::move(where)) {
        if (!object.is_object()) throw LineJsonError(outerLine, m_where + " must be an object");
    }

    void AllowOnly(std::initializer_list<const char*> names) const {
        for (const auto& [key, value] : m_object.items()) {
            if (key == "@line" || key == "@lines") continue;
            if (std::none_of(names.begin(), names.end(), [&](const char* n) { return key == n; }))
                Fail(key.c_str(), "unknown field \"" + key + "\" in " + m_where);
        }
    }

    bool Has(const char* key) const { return m_object.contains(key); }
    const json& Get(const char* key) const {
        if (!Has(key)) Fail(nullptr, "missing field \"" + std::string(key) + "\" in " + m_where);
        return m_object[key];
    }
    [[noreturn]] void Fail(const char* key, const std::string& what) const { throw LineJsonError(LineOf(m_object, key), what); }

    // Integers are JSON numbers or strings in decimal or 0x hexadecimal.
    int64_t Integer(const char* key, int64_t low, int64_t high) const { return IntegerOf(Get(key), key, low, high); }
    int64_t IntegerOf(const json& value, const char* key, int64_t low, int64_t high) const {
        int64_t v = 0;
        if (value.is_number_integer()) {
            v = value.get<int64_t>();
        } else if (value.is_string()) {
            const std::string text = value.get<std::string>();
            std::size_t used = 0;
            try {
                v = std::stoll(text, &used, 0);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != text.size()) Fail(key, "\"" + std::string(key) + "\" in " + m_where + " is not an integer: \"" + text + "\"");
        } else {
            Fail(key, "\"" + std::string(key) + "\" in " + m_where + " must be an integer");
        }
        if (v < low || v > high)
            Fail(key, "\"" + std::string(key) + "\" in " + m_where + " is " + std::to_string(v) + ", outside " + std::to_string(low) + " to " + std::to_string(high));
        return v;
    }
    uint32_t Word(const char* key) const { return static_cast<uint32_t>(Integer(key, 0, 0xFFFFFFFFLL)); }
    std::string Text(const char* key) const {
        const json& v = Get(key);
        if (!v.is_string()) Fail(key, "\"" + std::string(key) + "\" in " + m_where + " must be a string");
        return v.get<std::string>();
    }
    bool Flag(const char* key) const {
        if (!Has(key)) return false;
        const json& v = m_object[key];
        if (!v.is_boolean()) Fail(key, "\"" + std::string(key) + "\" in " + m_where + " must be true or false");
        return v.get<bool>();
    }
    const json& Array(const char* key) const {
        const json& v = Get(key);
        if (!v.is_array()) Fail(key, "\"" + std::string(key) + "\" in " + m_where + " must be a list");
        return v;
    }
    std::vector<std::string> Strings(const char* key) const {
        std::vector<std::string> out;
        for (const json& v : Array(key)) {
            if (!v.is_string()) Fail(key, "\"" + std::string(key) + "\" in " + m_where + " must list strings");
            out.push_back(v.get<std::string>());
        }
        return out;
    }
    const json& object() const { return m_object; }
    const std::string& where() const { return m_where; }

private:
    const json& m_object;
    std::string m_where;
};

uint32_t FaultBits(const Fields& f) {
    uint32_t bits = 0;
    for (const std::string& name : f.Strings("faults")) {
        if (name == "read") bits |= kFirmFaultRead;
        else if (name == "write") bits |= kFirmFaultWrite;
        else if (name == "describe") bits |= kFirmFaultDescribe;
        else f.Fail("faults", "unknown fault \"" + name + "\" in " + f.where() + " (read, write or describe)");
    }
    return bits;
}

void ReadNumberPart(const Fields& f, BoardItem& item) {
    if (f.Has("strings") || f.Has("profiles")) f.Fail(f.Has("strings") ? "strings" : "profiles", ItemLabel(item) + " is a number item and has no strings");
    item.flags = f.Flag("flags");
    if (item.flags) {
        for (const char* k : {"base", "exponent", "step", "count", "extraStrings"})
            if (f.Has(k)) f.Fail(k, ItemLabel(item) + " is a flag item and has no \"" + k + "\"");
        return;
    }
    const auto base = f.Integer("base", -0x800000, 0x7FFFFF);
    const auto exponent = f.Has("exponent") ? f.Integer("exponent", -128, 127) : 0;
    const auto step = f.Integer("step", -0x800000, 0x7FFFFF);
    item.baseWord = (static_cast<uint32_t>(exponent & 0xFF) << 24) | (static_cast<uint32_t>(base) & 0xFFFFFF);
    item.stepWord = static_cast<uint32_t>(step) & 0xFFFFFF;
    item.numericSteps = static_cast<uint32_t>(f.Integer("count", 1, 1000000));
    if (f.Has("extraStrings")) {
        item.extraStrings = f.Strings("extraStrings");
        if (item.extraStrings.empty()) f.Fail("extraStrings", ItemLabel(item) + " lists no extra strings; leave the field out instead");
        if (((item.number >> 20) & 0xF) != 8)
            f.Fail("extraStrings", ItemLabel(item) + " has extra strings but its number lacks the extra-strings flag (8 in bits 20-23)");
    }
}

StoredProfile ReadProfile(const json& object, const BoardItem& owner, std::size_t index, std::size_t outerLine) {
    Fields f(object, "profile " + std::to_string(index) + " of " + ItemLabel(owner), outerLine);
    f.AllowOnly({"name", "values"});
    StoredProfile profile;
    profile.name = f.Text("name");
    for (const json& pair : f.Array("values")) {
        if (!pair.is_array() || pair.size() != 2) f.Fail("values", "each value of " + f.where() + " must be a pair [item number, step index]");
        profile.values.emplace_back(static_cast<uint32_t>(f.IntegerOf(pair[0], "values", 0, 0xFFFFFFFELL)),
                                    static_cast<uint32_t>(f.IntegerOf(pair[1], "values", 0, 0xFFFFFFFFLL)));
    }
    return profile;
}

void ReadStringPart(const Fields& f, BoardItem& item) {
    for (const char* k : {"base", "exponent", "step", "count", "extraStrings", "flags"})
        if (f.Has(k)) f.Fail(k, ItemLabel(item) + " is a string item and has no \"" + k + "\"");
    if (f.Has("profiles") == f.Has("strings")) f.Fail(nullptr, ItemLabel(item) + " needs either \"strings\" or \"profiles\"");
    if (f.Has("strings")) {
        item.strings = f.Strings("strings");
    } else {
        const json& list = f.Array("profiles");
        for (std::size_t i = 0; i < list.size(); ++i) {
            item.profiles.push_back(ReadProfile(list[i], item, i, LineOf(f.object(), "profiles")));
            item.strings.push_back(item.profiles.back().name);
        }
    }
    if (item.strings.empty()) f.Fail(f.Has("strings") ? "strings" : "profiles", ItemLabel(item) + " has no strings");
}

BoardItem ReadItem(const json& object, uint32_t group, std::size_t index, std::size_t outerLine) {
    Fields f(object, "item " + std::to_string(index) + " of group " + std::to_string(group), outerLine);
    f.AllowOnly({"number", "name", "attribute", "skip", "default", "current", "flags", "base", "exponent", "step", "count",
                 "extraStrings", "strings", "profiles", "limits", "faults", "comment"});
    BoardItem item;
    item.number = f.Word("number");
    item.name = f.Text("name");
    if ((item.number >> 24) != group)
        f.Fail("number", ItemLabel(item) + " is listed in group " + std::to_string(group) + " but its number names group " + std::to_string(item.number >> 24));
    item.attribute = f.Has("attribute") ? f.Word("attribute") : 0;
    if (f.Flag("skip")) item.attribute |= kSkipBit;
    const uint32_t kind = (item.number >> 16) & 0xF;
    item.kind = kind == 8 ? ItemKind::String : kind == 7 ? ItemKind::Boolean : ItemKind::Number;
    switch (item.kind) {
    case ItemKind::Number:
        ReadNumberPart(f, item);
        break;
    case ItemKind::String:
        ReadStringPart(f, item);
        break;
    case ItemKind::Boolean:
        for (const char* k : {"base", "exponent", "step", "count", "extraStrings", "strings", "profiles", "flags"})
            if (f.Has(k)) f.Fail(k, ItemLabel(item) + " is a boolean item and has no \"" + k + "\"");
        break;
    }
    item.defaultIndex = f.Word("default");
    if (!item.IsValidIndex(item.defaultIndex))
        f.Fail("default", ItemLabel(item) + ": default index " + std::to_string(item.defaultIndex) + " is at or beyond its step count " + std::to_string(item.StepCount()));
    const json& current = f.Get("current");
    if (current.is_array()) {
        if (current.empty()) f.Fail("current", ItemLabel(item) + " lists no current values");
        item.perCore = true;
        for (const json& v : current) item.initial.push_back(static_cast<uint32_t>(f.IntegerOf(v, "current", 0, 0xFFFFFFFFLL)));
    } else {
        item.initial.push_back(f.Word("current"));
    }
    for (uint32_t v : item.initial) {
        const bool selectAll = item.number == kCoreSelector && v == kAllCores;
        if (!selectAll && !item.IsValidIndex(v))
            f.Fail("current", ItemLabel(item) + ": current value " + std::to_string(v) + " is at or beyond its step count " + std::to_string(item.StepCount()));
    }
    if (f.Has("limits")) {
        item.limitTable = true;
        for (const json& entry : f.Array("limits")) {
            Fields lf(entry, "a limit of " + ItemLabel(item), LineOf(object, "limits"));
            lf.AllowOnly({"item", "limit"});
            ItemLimit limit;
            limit.argument = lf.Word("item");  // resolved to the low 16 bits once the board is complete
            limit.limit = static_cast<uint32_t>(lf.Integer("limit", 0, 0xFFFF));
            item.limits.push_back(limit);
        }
    }
    if (f.Has("faults")) item.faults = FaultBits(f);
    return item;
}

BoardGroup ReadGroup(const json& object, std::size_t index, std::size_t outerLine) {
    Fields f(object, "group entry " + std::to_string(index), outerLine);
    f.AllowOnly({"group", "items", "faults", "comment"});
    BoardGroup group;
    group.number = static_cast<uint32_t>(f.Integer("group", 0, 255));
    if (f.Has("faults")) {
        for (const std::string& name : f.Strings("faults")) {
            if (name != "list") f.Fail("faults", "unknown fault \"" + name + "\" for group " + std::to_string(group.number) + " (only list)");
            group.listFault = true;
        }
    }
    const json& items = f.Array("items");
    for (std::size_t i = 0; i < items.size(); ++i) group.items.push_back(ReadItem(items[i], group.number, i, LineOf(object, "items")));
    return group;
}

// Checks that need the whole board: duplicates, the core selector, per-core
// items, limits and stored profiles.
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
            }
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

    Board& m_board;
    const json& m_root;
};

void ReadBoard(const json& root, Board& board) {
    Fields f(root, "the board");
    f.AllowOnly({"description", "interface", "groups"});
    if (f.Has("description")) board.description = f.Text("description");
    Fields info(f.Get("interface"), "\"interface\"", LineOf(root, "interface"));
    info.AllowOnly({"strings", "words"});
    board.infoStrings = info.Strings("strings");
    if (board.infoStrings.size() != 2) info.Fail("strings", "\"interface\" needs exactly two strings (they precede the integers)");
    for (const json& w : info.Array("words")) board.infoWords.push_back(static_cast<uint32_t>(info.IntegerOf(w, "words", 0, 0xFFFFFFFFLL)));
    const json& groups = f.Array("groups");
    for (std::size_t g = 0; g < groups.size(); ++g) board.groups.push_back(ReadGroup(groups[g], g, LineOf(root, "groups")));
    BoardChecker(board, root).Run();
}

}  // namespace

bool ParseBoard(const std::string& text, const std::string& source, Board& out, std::string& error) {
    try {
        const json root = ParseWithLines(text);
        Board board;
        ReadBoard(root, board);
        out = std::move(board);
        return true;
    } catch (const LineJsonError& e) {
        error = source + ", line " + std::to_string(e.line()) + ": " + e.what();
    } catch (const std::exception& e) {
        error = source + ": " + e.what();
    }
    return false;
}

bool LoadBoardFile(const std::string& path, Board& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "Board file \"" + path + "\" cannot be opened";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParseBoard(text.str(), "Board file \"" + path + "\"", out, error);
}

}  // namespace firmsim
