#pragma once
// Walks a directory, optionally into its subdirectories, keeping one search
// per level on a stack with the innermost on top. Every entry is visited,
// directories included; "." and ".." are visited but never entered.
//
// The directory string keeps the trailing backslash of the path it was given
// and one more is added before each name, so the top folder and its first
// entries are joined by a doubled backslash (C:\P\ gives C:\P\\x.oc). The
// system reads such paths like single ones.

#include "kiln/fileutl/WinFileFind.h"

#include <memory>
#include <string>
#include <vector>

namespace kiln {

class WinDirTraverser {
public:
    WinDirTraverser() = default;
    WinDirTraverser(const WinDirTraverser&) = delete;
    WinDirTraverser& operator=(const WinDirTraverser&) = delete;
    virtual ~WinDirTraverser();

    // Begins at the folder part of `path` (up to its last backslash; the
    // name after it is ignored). A folder that cannot be searched leaves the
    // walk at its end.
    void Begin(const std::string& path, bool recursive);
    // Enters the current entry when it is a folder to recurse into,
    // otherwise moves past it.
    void Advance();
    bool AtEnd() const { return m_searches.empty(); }

    // Only while not at end.
    const WIN32_FIND_DATAA& Current() const;
    const std::string& Directory() const { return m_directory; }

protected:
    bool CurrentIsDirectory() const;
    // Ends the walk, innermost search first.
    void CloseAll();

private:
    void Push();
    void Settle();
    // Joins like the directory string does; a path without any folder stays
    // relative instead of turning into the drive's root.
    static std::string Join(const std::string& directory, const char* name);

    bool m_recursive = false;
    std::string m_directory;
    std::vector<std::unique_ptr<WinFileFindA>> m_searches;
};

}  // namespace kiln
