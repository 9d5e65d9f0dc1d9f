#pragma once
// The names of the profiles the firmware stores, read once when the firmware
// lists them all (again while it does not): the list the
// profile selector shows first, whose positions are the indexes the
// firmware reads the profiles by.

#include <cstddef>
#include <string>
#include <vector>

class BuiltInProfiles {
public:
    // The process-wide list, read from the firmware on first use and kept.
    static BuiltInProfiles& Instance();

    // Reads the names now (none when the firmware cannot list them); the
    // program uses Instance().
    BuiltInProfiles();
    BuiltInProfiles(const BuiltInProfiles&) = delete;
    BuiltInProfiles& operator=(const BuiltInProfiles&) = delete;

    // Reads the names again when the last read could not list them all (the
    // firmware failed meanwhile). Only the selector's list calls it, as it
    // is built: an index chosen from the list shown keeps its meaning.
    void ReadAgainIfIncomplete();

    size_t Count() const { return m_names.size(); }
    // index below Count().
    const std::string& Name(size_t index) const { return m_names.at(index); }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
    bool m_complete = false;
};
