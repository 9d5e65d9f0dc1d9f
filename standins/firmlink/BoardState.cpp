#include "standins/firmlink/BoardState.h"

#include <algorithm>
#include <cstdio>

#include "standins/firmlink/InstanceName.h"
#include "standins/firmlink/SharedBlock.h"

namespace firmsim {
namespace {

constexpr char kFirstLine[] = "firmlink board state 1";
constexpr char kFormatPrefix[] = "firmlink board state ";

class Fnv {
public:
    void Add(uint32_t word) {
        for (int shift = 0; shift < 32; shift += 8) {
            m_hash ^= (word >> shift) & 0xFF;
            m_hash *= 0x100000001B3ull;
        }
    }
    uint64_t Value() const { return m_hash; }

private:
    uint64_t m_hash = 0xCBF29CE484222325ull;
};

// Whole-word unsigned numbers only: "0x" hexadecimal or decimal.
bool ParseWord(const std::string& text, uint32_t& value) {
    if (text.empty()) return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    uint64_t parsed = 0;
    for (size_t i = hex ? 2 : 0; i < text.size(); ++i) {
        const char c = text[i];
        uint64_t digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<uint64_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f') digit = static_cast<uint64_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F') digit = static_cast<uint64_t>(c - 'A' + 10);
        else return false;
        parsed = parsed * (hex ? 16 : 10) + digit;
        if (parsed > 0xFFFFFFFFull) return false;
    }
    value = static_cast<uint32_t>(parsed);
    return true;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// The words of a line, as blanks (spaces, tabs and the like) part them.
std::vector<std::string> Words(const std::string& line) {
    constexpr const char* kBlanks = " \t\n\v\f\r";
    std::vector<std::string> words;
    for (size_t start = line.find_first_not_of(kBlanks); start != std::string::npos;) {
        const size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(kBlanks, end);
    }
    return words;
}

std::string LineNote(size_t index, const std::string& what) {
    return "line " + std::to_string(index + 1) + " " + what;
}

}  // namespace

std::string HexWord(uint32_t word) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(word));
    return text;
}

uint32_t BoardFingerprint(const Board& board) {
    Fnv fnv;
    fnv.Add(board.coreCount);
    board.ForEachItem([&](const BoardItem& item) {
        fnv.Add(item.number);
        fnv.Add(static_cast<uint32_t>(item.kind));
        fnv.Add(item.StepCount());
        fnv.Add(item.flags ? 1 : 0);
        fnv.Add(item.perCore ? 1 : 0);
    });
    const uint64_t hash = fnv.Value();
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

uint64_t ValuesHash(const SharedBlock& block) {
    Fnv fnv;
    const uint32_t count = block.slotCount < kMaxSharedSlots ? block.slotCount : kMaxSharedSlots;
    fnv.Add(count);
    for (uint32_t i = 0; i < count; ++i) {
        const SharedSlot& slot = block.slots[i];
        fnv.Add(slot.item);
        fnv.Add(slot.valueCount);
        // Which core the next per-core access goes to is no setting: pointing
        // at another core must not cost a save of the whole board.
        if (slot.item == kCoreSelector) continue;
        for (uint32_t v = 0; v < slot.valueCount && v < kMaxCores; ++v) fnv.Add(slot.values[v]);
    }
    return fnv.Value();
}

std::string FormatBoardState(const SharedBlock& block, const std::string& instance) {
    std::string text = std::string(kFirstLine) + "\ninstance " + EncodeInstance(instance) + "\nboard " +
                       HexWord(block.fingerprint) + "\n";
    const uint32_t count = block.slotCount < kMaxSharedSlots ? block.slotCount : kMaxSharedSlots;
    for (uint32_t i = 0; i < count; ++i) {
        const SharedSlot& slot = block.slots[i];
        text += HexWord(slot.item);
        for (uint32_t v = 0; v < slot.valueCount && v < kMaxCores; ++v) {
            text += ' ';
            text += std::to_string(slot.values[v]);
        }
        text += '\n';
    }
    return text + "end " + std::to_string(count) + "\n";
}

bool ParseBoardState(const std::string& text, const std::string& instance, uint32_t fingerprint,
                     std::vector<SavedItem>& items, std::string& why) {
    items.clear();
    const std::vector<std::string> lines = Lines(text);
    if (lines.empty() || lines[0].rfind(kFormatPrefix, 0) != 0) {
        why = "it is not a board state file";
        return false;
    }
    if (lines[0] != kFirstLine) {
        why = "it was written in another format (\"" + lines[0] + "\")";
        return false;
    }
    if (lines.size() < 3 || lines[1].rfind("instance ", 0) != 0 || lines[2].rfind("board ", 0) != 0) {
        why = "its heading is incomplete";
        return false;
    }
    const std::string owner = lines[1].substr(9);
    if (owner != EncodeInstance(instance)) {
        why = "it belongs to the instance \"" + owner + "\"";
        return false;
    }
    uint32_t savedFor = 0;
    if (!ParseWord(lines[2].substr(6), savedFor)) {
        why = LineNote(2, "does not name a board");
        return false;
    }
    if (savedFor != fingerprint) {
        why = "it was saved for another board (" + HexWord(savedFor) + ", this one is " + HexWord(fingerprint) + ")";
        return false;
    }
    for (size_t i = 3; i < lines.size(); ++i) {
        const std::vector<std::string> words = Words(lines[i]);
        const std::string first = words.empty() ? std::string() : words[0];
        if (first == "end") {
            uint32_t expected = 0;
            if (words.size() != 2 || !ParseWord(words[1], expected) || i + 1 != lines.size()) {
                why = LineNote(i, "is not the closing \"end\" line");
                return false;
            }
            if (expected != items.size()) {
                why = "it closes with " + std::to_string(expected) + " items but holds " + std::to_string(items.size());
                return false;
            }
            return true;
        }
        SavedItem item;
        if (!ParseWord(first, item.item)) {
            why = LineNote(i, "does not start with an item number");
            return false;
        }
        for (size_t w = 1; w < words.size(); ++w) {
            const std::string& word = words[w];
            uint32_t value = 0;
            if (!ParseWord(word, value) || item.values.size() == kMaxCores) {
                why = LineNote(i, "has a value that cannot be one (\"" + word + "\")");
                return false;
            }
            item.values.push_back(value);
        }
        if (item.values.empty()) {
            why = LineNote(i, "has no value");
            return false;
        }
        items.push_back(std::move(item));
    }
    why = "it ends before its \"end\" line";
    return false;
}

}  // namespace firmsim
