#pragma once
// Where one firmware instance keeps its values between processes: a file
// named after the instance in FIRMLINK_STATE_DIR, or else in "firmlink\"
// under the user's local application data. Written whole to a file of its
// own and then moved over the old one, so a reader never sees half of it.

#include <string>

#include "standins/firmlink/InstanceName.h"

namespace firmsim {

class StateFile {
public:
    enum class ReadResult { Missing, Read, Unreadable };

    // Keeps nothing.
    StateFile() = default;
    // An empty path when there is no folder to keep state in; then nothing is
    // ever read or written.
    explicit StateFile(const std::string& instance);

    bool Enabled() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }

    ReadResult Read(std::string& text) const;
    // False, with the reason, when the old file is left as it was.
    bool Write(const std::string& text, std::string& error) const;
    // Moves a file that cannot be used out of the way, keeping it for a
    // person to look at; returns where it went (empty if it could not move).
    std::string SetAside() const;
    void Remove() const;

private:
    std::string m_path;
};

}  // namespace firmsim
