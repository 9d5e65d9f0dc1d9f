#include "kiln/fileutl/FileNameEnumerater.h"

namespace kiln {

FileNameEnumerater::~FileNameEnumerater() {
    CloseAll();
}

bool FileNameEnumerater::Start(const std::string& path, bool recursive) {
    Begin(path, recursive);
    SkipDirectories();
    return true;
}

void FileNameEnumerater::Next() {
    Advance();
    SkipDirectories();
}

void FileNameEnumerater::SkipDirectories() {
    while (!AtEnd() && CurrentIsDirectory()) Advance();
}

std::string FileNameEnumerater::FullPath() const {
    const char* name = Current().cFileName;
    if (Directory().empty()) return name;
    std::string path = Directory();
    path += '\\';
    path += name;
    return path;
}

}  // namespace kiln
