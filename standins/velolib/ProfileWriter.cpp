#include "standins/velolib/ProfileWriter.h"

#include "base/Handles.h"

#include <windows.h>

namespace velolib {
namespace {

std::string FolderOf(const std::string& path) {
    const std::string::size_type separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator + 1);
}

std::vector<uint32_t> Serialise(const std::vector<Setting>& settings) {
    std::vector<uint32_t> words{kProfileHeaderWord, kProfileVersion, static_cast<uint32_t>(settings.size())};
    for (const Setting& setting : settings) {
        words.push_back(setting.number);
        words.push_back(setting.value);
    }
    return words;
}

// A file made beside the target that disappears again unless it has been
// moved into the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder) {
        char path[MAX_PATH] = {};
        if (GetTempFileNameA(folder.c_str(), "vlp", 0, path)) m_path = path;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!m_path.empty()) DeleteFileA(m_path.c_str());
    }

    bool Made() const { return !m_path.empty(); }

    bool Write(const std::vector<uint32_t>& words) const {
        base::FileHandle file(
            CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        const DWORD bytes = static_cast<DWORD>(words.size() * sizeof(uint32_t));
        DWORD written = 0;
        return WriteFile(file.Get(), words.data(), bytes, &written, nullptr) && written == bytes &&
               FlushFileBuffers(file.Get());
    }

    bool MoveOver(const std::string& target) {
        if (!MoveFileExA(m_path.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        m_path.clear();
        return true;
    }

private:
    std::string m_path;
};

bool WriteInPlace(const std::string& path, const std::vector<uint32_t>& words, DWORD bytes, bool keepTimes) {
    base::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    FILETIME created{}, accessed{}, written{};
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (keepTimes && existed) GetFileTime(file.Get(), &created, &accessed, &written);
    DWORD done = 0;
    const bool complete = SetEndOfFile(file.Get()) && WriteFile(file.Get(), words.data(), bytes, &done, nullptr) &&
                          done == bytes && FlushFileBuffers(file.Get());
    if (keepTimes && existed) SetFileTime(file.Get(), &created, &accessed, &written);
    return complete;
}

}  // namespace

WriteMode WriteModeFromEnvironment() {
    char value[32] = {};
    const DWORD length = GetEnvironmentVariableA("VELOLIB_WRITE", value, sizeof value);
    const std::string mode = length < sizeof value ? std::string(value, length) : std::string();
    if (mode == "cut") return WriteMode::CutShort;
    if (mode == "same-times") return WriteMode::InPlaceSameTimes;
    return WriteMode::Whole;
}

bool WriteProfileFile(const std::string& path, const std::vector<Setting>& settings, WriteMode mode) {
    const std::vector<uint32_t> words = Serialise(settings);
    const DWORD bytes = static_cast<DWORD>(words.size() * sizeof(uint32_t));
    switch (mode) {
    case WriteMode::CutShort:
        // The head and half of the entries: the count promises more.
        WriteInPlace(path, words, static_cast<DWORD>(12 + 8 * (settings.size() / 2)), false);
        return false;
    case WriteMode::InPlaceSameTimes:
        return WriteInPlace(path, words, bytes, true);
    case WriteMode::Whole:
        break;
    }
    TemporaryFile temporary(FolderOf(path));
    return temporary.Made() && temporary.Write(words) && temporary.MoveOver(path);
}

}  // namespace velolib
