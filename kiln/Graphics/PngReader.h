#pragma once
// Locating the program's image folder and reading PNG files into 32-bit
// bitmaps (blue, green, red, straight alpha; fully transparent pixels black)
// through the PNG reader library loaded from the program folder.

#include "base/Handles.h"
#include "frame/Bitmap.h"
#include "frame/FileStream.h"
#include "vendor/picload.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kiln {

// A picture's alpha channel alone, rows from the top.
struct AlphaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> alpha;
};

class PngManager {
public:
    // Created on first use, when it loads the reader library from the
    // program folder.
    static PngManager& Instance();
    PngManager(const PngManager&) = delete;
    PngManager& operator=(const PngManager&) = delete;

    // False when the library could not be loaded or lacks an entry point;
    // nothing can be drawn then. Problem() says which file or entry point is
    // missing, in words meant for the user: a program shows it and ends.
    bool Usable() const { return m_problem.empty(); }
    const std::string& Problem() const { return m_problem; }

    // Decodes the stream into `bitmap`. False when the data cannot be
    // decoded or the reader is not usable; the bitmap is then untouched.
    bool Read(frame::FileStream& stream, frame::Bitmap& bitmap);
    // Decodes the alpha channel alone (255 throughout for a picture without
    // one). False when the data cannot be decoded; `picture` is then
    // untouched.
    bool ReadAlpha(frame::FileStream& stream, AlphaPicture& picture);

private:
    PngManager();
    // Hands the checked record of a successful decode to `convert`, before
    // the library takes it back.
    bool Decode(frame::FileStream& stream, const std::function<void(const PngImageRecord&)>& convert);

    base::ModuleHandle m_hinst;
    ReadPngExFunction m_readPngEx = nullptr;
    FreePngDataFunction m_freePngData = nullptr;
    std::string m_problem;
};

// The folder part of a module path: up to and including the last backslash;
// without one, up to and including the first colon; otherwise empty.
std::string ProgramFolderOf(const std::string& modulePath);
// The running program's folder, ending in a backslash.
std::string GetProgramFolder();
// GetProgramFolder() + "Resource\".
std::string GetResourceFolder();
// Fills `bitmap` (made 32-bit) from the PNG file at `path`. A file that
// cannot be opened raises frame::FileOpenError; one that cannot be decoded
// leaves the bitmap as it was.
void LoadPng(const std::string& path, frame::Bitmap& bitmap);
// As LoadPng, but the pixels are the bitmap's own even while a
// PngDecodeScope lives: for a picture about to be written on, which would
// otherwise first copy the pixels it shares with the scope. True when the
// file was decoded.
bool LoadOwnPng(const std::string& path, frame::Bitmap& bitmap);

// The alpha channel of the PNG file at `path`, without a bitmap for the
// colours: for pictures of which only the alpha is kept. Raises and keeps
// `picture` as LoadPng does.
void LoadPngAlpha(const std::string& path, AlphaPicture& picture);

// The size and time of last write of a file: what tells a picture file
// changed since it was decoded. Empty for a file that is not there.
struct FileStamp {
    static std::optional<FileStamp> Of(const std::string& path);
    friend bool operator==(const FileStamp&, const FileStamp&) = default;

    unsigned long long size = 0;
    unsigned long long written = 0;
};

// While one lives (the program's start-up, when dozens of controls load the
// same skin pictures), LoadPng decodes each file once: a later load of a
// file whose size and time of last write are unchanged shares the pixels
// decoded first, until a control writes on its copy.
class PngDecodeScope {
public:
    PngDecodeScope();
    ~PngDecodeScope();
    PngDecodeScope(const PngDecodeScope&) = delete;
    PngDecodeScope& operator=(const PngDecodeScope&) = delete;

    struct Decoded;

private:
    std::unique_ptr<std::map<std::string, Decoded>> m_decoded;
};

}  // namespace kiln
