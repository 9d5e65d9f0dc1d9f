#pragma once
// A folder tree in the temporary folder for one test, removed afterwards.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

class TempTree {
public:
    explicit TempTree(const std::string& name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_root = std::string(temp);
        m_root.append("veltrune-").append(name).append("-").append(std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    // The root without a trailing backslash.
    const std::string& Root() const { return m_root; }

    void AddFolder(const std::string& relative) const { std::filesystem::create_directories(m_root + "\\" + relative); }
    void AddFile(const std::string& relative) const { std::ofstream(m_root + "\\" + relative) << relative; }

private:
    std::string m_root;
};
