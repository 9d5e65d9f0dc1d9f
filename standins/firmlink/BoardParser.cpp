#include "standins/firmlink/BoardParser.h"

#include <cstdio>
#include <memory>

#include "standins/firmlink/BoardChecker.h"
#include "standins/firmlink/BoardFields.h"
#include "standins/firmlink/LineJson.h"
#include "vendor/firmlink.h"

namespace firmsim {
namespace {

using json = nlohmann::json;

uint32_t FaultBits(const BoardFields& f) {
    uint32_t bits = 0;
    for (const std::string& name : f.Strings("faults")) {
        if (name == "read") bits |= kFirmFaultRead;
        else if (name == "write") bits |= kFirmFaultWrite;
        else if (name == "describe") bits |= kFirmFaultDescribe;
        else f.Fail("faults", "unknown fault \"" + name + "\" in " + f.where() + " (read, write or describe)");
    }
    return bits;
}

void ReadNumberPart(const BoardFields& f, BoardItem& item) {
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
    BoardFields f(object, "profile " + std::to_string(index) + " of " + ItemLabel(owner), outerLine);
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

void ReadStringPart(const BoardFields& f, BoardItem& item) {
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
    BoardFields f(object, "item " + std::to_string(index) + " of group " + std::to_string(group), outerLine);
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
            BoardFields lf(entry, "a limit of " + ItemLabel(item), LineOf(object, "limits"));
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
    BoardFields f(object, "group entry " + std::to_string(index), outerLine);
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

void ReadBoard(const json& root, Board& board) {
    BoardFields f(root, "the board");
    f.AllowOnly({"description", "interface", "groups"});
    if (f.Has("description")) board.description = f.Text("description");
    BoardFields info(f.Get("interface"), "\"interface\"", LineOf(root, "interface"));
    info.AllowOnly({"strings", "words"});
    board.infoStrings = info.Strings("strings");
    if (board.infoStrings.size() != 2) info.Fail("strings", "\"interface\" needs exactly two strings (they precede the integers)");
    for (const json& w : info.Array("words")) board.infoWords.push_back(static_cast<uint32_t>(info.IntegerOf(w, "words", 0, 0xFFFFFFFFLL)));
    const json& groups = f.Array("groups");
    for (std::size_t g = 0; g < groups.size(); ++g) board.groups.push_back(ReadGroup(groups[g], g, LineOf(root, "groups")));
    CheckBoard(board, root);
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
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = "Board file \"" + path + "\" cannot be opened";
        return false;
    }
    std::string text;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) text.append(chunk, got);
    if (std::ferror(file.get())) {
        error = "Board file \"" + path + "\" cannot be read";
        return false;
    }
    return ParseBoard(text, "Board file \"" + path + "\"", out, error);
}

}  // namespace firmsim
