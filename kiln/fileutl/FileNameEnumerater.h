#pragma once
// Lists the files of a folder, optionally with those of its subfolders, by
// full path. Folders themselves are never listed. Filtering by name is the
// caller's business.
//
//   kiln::FileNameEnumerater files;
//   for (files.Start(folder, false); !files.AtEnd(); files.Next())
//       use(files.FullPath());

#include "kiln/fileutl/WinDirTraverser.h"

#include <string>

namespace kiln {

class FileNameEnumerater : public WinDirTraverser {
public:
    FileNameEnumerater() = default;
    ~FileNameEnumerater() override;

    // Always true; a folder that cannot be searched simply lists nothing.
    bool Start(const std::string& path, bool recursive);
    void Next();

    // Directory() + "\" + the current file's name; only while not at end.
    std::string FullPath() const;

private:
    void SkipDirectories();
};

}  // namespace kiln
