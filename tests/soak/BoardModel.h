#pragma once
// What the board must hold after each step of the soak, and what each
// running copy's bars show, worked out from what the program promises rather
// than from watching it: Apply writes every bar as it stood when Apply was
// clicked (whatever refreshes it while the question is open), the settings-changed
// broadcast reloads every copy's bars, a power resume writes its snapshot
// back without telling anyone, a saved profile is the board as it stands.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace soak {

struct ItemInfo {
    uint32_t number = 0;
    uint32_t cores = 1;  // values the item holds: one per core for the per-core ratio
    uint32_t stepCount = 0;
    uint32_t defaultIndex = 0;
    uint32_t limit = 0;  // highest safe step index, 0 when there is none
    bool hasBar = true;  // shown, applied and loaded by a bar of the window
};

// Item number -> its values (one per core for the ratio).
using Values = std::map<uint32_t, std::vector<uint32_t>>;
// Item/value pairs in order, as profile files and built-in profiles hold them.
using Entries = std::vector<std::pair<uint32_t, uint32_t>>;

struct CopyView {
    Values bars;
    bool unapplied = false;
    std::optional<Values> remoteSnapshot;
    std::optional<Values> powerSnapshot;
};

class BoardModel {
public:
    // `items` in firmware order.
    BoardModel(std::vector<ItemInfo> items, Values board, size_t copies);

    const Values& Board() const { return m_board; }
    const CopyView& Copy(size_t copy) const { return m_copies.at(copy); }
    const ItemInfo& Item(uint32_t number) const;
    const std::map<std::string, Entries>& Profiles() const { return m_profiles; }

    // A step button pressed: the bar moves one step within its range (a
    // press at the end still counts as an edit).
    void Step(size_t copy, uint32_t item, int delta);
    // Whether Apply takes the two danger questions: a bar above its limit.
    bool ApplyIsDangerous(size_t copy) const;
    // Apply answered with yes to every question; `chosen` is what the
    // copy's bars held at the click.
    void Apply(size_t copy, const Values& chosen);
    void Undo(size_t copy);
    // A profile chosen in the selector: its entries go to the bars.
    void LoadIntoBars(size_t copy, const Entries& entries);
    // What a built-in profile's pairs make of the current settings: every
    // ratio entry at the default index, the rest as the board holds them,
    // then the pairs laid over.
    Entries BuiltInSettings(const Entries& pairs) const;
    // The board as a saved profile holds it: the ratio per core first, then
    // every other item in firmware order.
    Entries SavedEntries() const;
    void Save(const std::string& name) { m_profiles[name] = SavedEntries(); }
    void Delete(const std::string& name) { m_profiles.erase(name); }

    void RemoteWrite(uint32_t item, uint32_t value);
    // Message 1061: snapshot bit and action (0 restore, 1-3 built-in, other
    // none); `builtIn` holds the three built-in profiles' pairs.
    void RemoteCommand(size_t copy, uint32_t command, const std::vector<Entries>& builtIn);
    void Suspend(size_t copy) { m_copies.at(copy).powerSnapshot = m_board; }
    void Resume(size_t copy);
    // The firmware itself, or a tool beside the program, changed a value;
    // nobody is told.
    void Poke(uint32_t item, uint32_t core, uint32_t value);

private:
    void WriteEntries(const Entries& entries);
    void Broadcast();
    // The board's values of the items that have bars.
    Values BarValues() const;
    void SetBar(Values& bars, uint32_t item, size_t core, uint32_t value) const;

    std::vector<ItemInfo> m_items;
    Values m_board;
    std::vector<CopyView> m_copies;
    std::map<std::string, Entries> m_profiles;
};

}  // namespace soak
