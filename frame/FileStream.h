#pragma once
// A file opened for reading, shared with other readers.

#include "base/Handles.h"

#include <cstddef>
#include <string>

namespace frame {

class FileStream {
public:
    // Throws FileOpenError when the file cannot be opened.
    explicit FileStream(const std::string& path);

    // Reads up to `count` bytes; returns how many were read (0 at the end or
    // on a read failure).
    std::size_t Read(void* buffer, std::size_t count);

private:
    base::FileHandle m_file;
};

}  // namespace frame
