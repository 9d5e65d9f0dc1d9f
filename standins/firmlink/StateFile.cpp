#include "standins/firmlink/StateFile.h"

#include <windows.h>

#include "base/Handles.h"
#include "standins/firmlink/Host.h"

namespace firmsim {
namespace {

constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryMilliseconds = 20;

std::string StateFolder() {
    std::string folder = Environment("FIRMLINK_STATE_DIR");
    if (folder.empty()) {
        const std::string local = Environment("LOCALAPPDATA");
        if (local.empty()) return {};
        folder = local + "\\firmlink";
    }
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

// Creates every missing level of `folder` (which ends in a separator).
void MakeFolders(const std::string& folder) {
    for (size_t at = folder.find_first_of("\\/", 3); at != std::string::npos; at = folder.find_first_of("\\/", at + 1))
        CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
}

std::string ErrorText(const char* what, DWORD code) {
    return std::string(what) + " (error " + std::to_string(code) + ")";
}

}  // namespace

StateFile::StateFile(const std::string& instance) {
    const std::string folder = StateFolder();
    if (!folder.empty()) m_path = folder + EncodeInstance(instance) + ".state";
}

StateFile::ReadResult StateFile::Read(std::string& text) const {
    text.clear();
    if (!Enabled()) return ReadResult::Missing;
    base::FileHandle file(CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES ? ReadResult::Missing
                                                                             : ReadResult::Unreadable;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
        if (got == 0) return ReadResult::Read;
        text.append(chunk, got);
    }
    return ReadResult::Unreadable;
}

bool StateFile::Write(const std::string& text, std::string& error) const {
    if (!Enabled()) return true;
    MakeFolders(m_path.substr(0, m_path.find_last_of("\\/") + 1));
    // A name of this process's own, so a writer that died half-way leaves
    // only its own scrap behind and never someone else's.
    const std::string scratch = m_path + "." + std::to_string(GetCurrentProcessId()) + ".new";
    {
        base::FileHandle file(CreateFileA(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            error = ErrorText("cannot create the file", GetLastError());
            return false;
        }
        DWORD written = 0;
        const bool whole = WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                           written == text.size() && FlushFileBuffers(file.Get());
        if (!whole) {
            error = ErrorText("cannot write the file", GetLastError());
            file.Reset();
            DeleteFileA(scratch.c_str());
            return false;
        }
    }
    // A reader that opened the old file without sharing its deletion (an
    // editor, a virus scanner) holds it only for a moment.
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(scratch.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD code = GetLastError();
        if (attempt == kReplaceAttempts || (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED)) {
            error = ErrorText("cannot replace the file", code);
            DeleteFileA(scratch.c_str());
            return false;
        }
        Sleep(kReplaceRetryMilliseconds);
    }
}

std::string StateFile::SetAside() const {
    const std::string aside = m_path + ".bad";
    return MoveFileExA(m_path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) ? aside : std::string();
}

void StateFile::Remove() const {
    if (Enabled()) DeleteFileA(m_path.c_str());
}

}  // namespace firmsim
