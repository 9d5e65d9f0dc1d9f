#include "app/profiles/VeOcItemProfile.h"

#include "app/ocitems/LuOcRatio.h"
#include "app/profiles/BuiltInProfiles.h"
#include "app/ocitems/CurrentSettings.h"
#include "base/Handles.h"
#include "kiln/arvex/StoredProfiles.h"

#include <windows.h>

#include <algorithm>

namespace {

// Entries are read in blocks of this many, so memory follows what the file
// really holds.
constexpr uint64_t kBlockEntries = 8192;

}  // namespace

bool VeOcItemProfile::LoadFromFile(const std::string& path) {
    const base::FileHandle file = kiln::OpenProfileFile(path);
    if (!file) return false;
    kiln::ProfileHead head;
    if (!kiln::ReadProfileHead(file.Get(), head)) return false;
    m_version = head.version;
    m_entries.clear();

    uint64_t remaining = std::min<uint64_t>(head.count, head.EntriesPresent());
    std::vector<uint32_t> words;
    while (remaining > 0) {
        const uint64_t block = std::min(remaining, kBlockEntries);
        words.resize(block * 2);
        DWORD read = 0;
        if (!ReadFile(file.Get(), words.data(), static_cast<DWORD>(block * kiln::kProfileEntryBytes), &read, nullptr))
            break;
        const uint64_t whole = read / kiln::kProfileEntryBytes;
        for (uint64_t i = 0; i < whole; ++i) m_entries.push_back(VeOcItemValue{words[2 * i], words[2 * i + 1]});
        if (whole < block) break;
        remaining -= block;
    }
    return true;
}

bool VeOcItemProfile::LoadFromFirmware(uint32_t index) {
    return LoadFromFirmware(index, BuiltInProfiles::Instance().Count(), LuOcRatio::Instance());
}

bool VeOcItemProfile::LoadFromFirmware(uint32_t index, size_t builtInCount, LuOcRatio& ratio) {
    if (index >= builtInCount) return false;
    m_entries = CollectCurrentSettings(ratio, RatioEntries::DefaultIndex);
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    if (!kiln::ReadStoredProfile(index, pairs)) return false;
    for (const auto& [number, value] : pairs) Overlay(number, value);
    return true;
}

// A pair sets every entry of its item and is kept as an entry of its own.
void VeOcItemProfile::Overlay(uint32_t number, uint32_t value) {
    for (VeOcItemValue& entry : m_entries)
        if (entry.number == number) entry.value = value;
    m_entries.push_back(VeOcItemValue{number, value});
}
