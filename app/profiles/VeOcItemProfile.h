#pragma once
// One overclocking profile in memory, made for one load: the values a
// profile file or a built-in profile holds, to be handed to the controls.
// The file layout is kiln/fileutl/ProfileFile.h's.

#include "app/ocitems/VeOcItemValue.h"
#include "kiln/fileutl/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

class LuOcRatio;

class VeOcItemProfile {
public:
    static constexpr uint32_t kNewestVersion = kiln::kNewestProfileVersion;

    uint32_t Version() const { return m_version; }
    size_t Count() const { return m_entries.size(); }
    const VeOcItemValue& Entry(size_t index) const { return m_entries.at(index); }
    const VeOcItemValueList& Entries() const { return m_entries; }

    // False when the file cannot be opened, is shorter than its 12-byte head,
    // has a version above 1 or its size cannot be queried. Takes at most the
    // whole entries the file holds, whatever its count says, in file order.
    bool LoadFromFile(const std::string& path);
    // Built-in profile `index` (0-based): the current settings with every
    // ratio entry at the ratio's default index, overlaid with the profile's
    // pairs. False for an index at or beyond the built-in count or when the
    // firmware refuses the profile.
    bool LoadFromFirmware(uint32_t index);
    // The same against a given name count and ratio set.
    bool LoadFromFirmware(uint32_t index, size_t builtInCount, LuOcRatio& ratio);

private:
    void Overlay(uint32_t number, uint32_t value);

    uint32_t m_version = 0;
    VeOcItemValueList m_entries;
};
