#include "kiln/Graphics/PngReader.h"

#include "frame/Application.h"
#include "frame/Exception.h"


namespace kiln {
namespace {

constexpr char kReaderLibrary[] = "picload.dll";

std::uint32_t __stdcall ReadFromStream(void* user, void* buffer, std::uint32_t count) {
    return static_cast<std::uint32_t>(static_cast<frame::FileStream*>(user)->Read(buffer, count));
}

// Gives the record back to the library however the conversion ends.
class RecordRelease {
public:
    RecordRelease(FreePngDataFunction release, PngImageRecord& record) : m_release(release), m_record(record) {}
    RecordRelease(const RecordRelease&) = delete;
    RecordRelease& operator=(const RecordRelease&) = delete;
    ~RecordRelease() { m_release(&m_record); }

private:
    FreePngDataFunction m_release;
    PngImageRecord& m_record;
};

}  // namespace

PngManager& PngManager::Instance() {
    static PngManager instance;
    return instance;
}

PngManager::PngManager() {
    const std::string path = ProgramFolderOf(frame::Application::Instance().ExeName()) + kReaderLibrary;
    m_hinst.Reset(LoadLibraryA(path.c_str()));
    if (!m_hinst) {
        m_problem = "The PNG reader \"" + path + "\" could not be loaded: " + frame::SystemErrorText(GetLastError());
        return;
    }
    m_readPngEx = reinterpret_cast<ReadPngExFunction>(
        reinterpret_cast<void*>(GetProcAddress(m_hinst.Get(), "ReadPngEx")));
    m_freePngData = reinterpret_cast<FreePngDataFunction>(
        reinterpret_cast<void*>(GetProcAddress(m_hinst.Get(), "FreePngData")));
    if (!m_readPngEx)
        m_problem = "The PNG reader \"" + path + "\" has no entry point \"ReadPngEx\".";
    else if (!m_freePngData)
        m_problem = "The PNG reader \"" + path + "\" has no entry point \"FreePngData\".";
}

bool PngManager::Decode(frame::FileStream& stream, const std::function<void(const PngImageRecord&)>& convert) {
    if (!Usable()) return false;
    PngImageRecord record = {};
    if (!m_readPngEx(&record, &ReadFromStream, &stream)) return false;
    RecordRelease release(m_freePngData, record);
    // A reader that claims success without pixels must not crash us.
    if (record.width == 0 || record.height == 0 || !record.rows || record.width > 0x7FFF || record.height > 0x7FFF)
        return false;
    for (std::uint32_t row = 0; row < record.height; ++row)
        if (!record.rows[row]) return false;
    convert(record);
    return true;
}

bool PngManager::Read(frame::FileStream& stream, frame::Bitmap& bitmap) {
    return Decode(stream, [&](const PngImageRecord& record) {
        const int width = static_cast<int>(record.width);
        const int height = static_cast<int>(record.height);
        const bool alpha = record.colorType == 6;
        const int sourceStep = alpha ? 4 : 3;
        bitmap.Reshape(width, height, frame::PixelFormat::Bits32);
        for (int row = 0; row < height; ++row) {
            const std::uint8_t* source = record.rows[row];
            std::uint8_t* target = bitmap.ScanLine(row);
            for (int x = 0; x < width; ++x, source += sourceStep, target += 4) {
                target[0] = source[2];
                target[1] = source[1];
                target[2] = source[0];
                if (alpha) {
                    target[3] = source[3];
                    if (source[3] == 0) target[0] = target[1] = target[2] = 0;
                } else {
                    target[3] = 255;
                }
            }
        }
        bitmap.Changed();
    });
}

bool PngManager::ReadAlpha(frame::FileStream& stream, AlphaPicture& picture) {
    return Decode(stream, [&](const PngImageRecord& record) {
        picture.width = static_cast<int>(record.width);
        picture.height = static_cast<int>(record.height);
        picture.alpha.assign(static_cast<size_t>(record.width) * record.height, 255);
        if (record.colorType != 6) return;
        for (std::uint32_t row = 0; row < record.height; ++row) {
            const std::uint8_t* source = record.rows[row] + 3;
            std::uint8_t* target = picture.alpha.data() + static_cast<size_t>(row) * record.width;
            for (std::uint32_t x = 0; x < record.width; ++x, source += 4) target[x] = *source;
        }
    });
}

std::string ProgramFolderOf(const std::string& modulePath) {
    std::string::size_type slash = modulePath.rfind('\\');
    if (slash != std::string::npos) return modulePath.substr(0, slash + 1);
    std::string::size_type colon = modulePath.find(':');
    if (colon != std::string::npos) return modulePath.substr(0, colon + 1);
    return std::string();
}

std::string GetProgramFolder() {
    std::string buffer(128, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        // A completely filled buffer may have cut the path short.
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
    return ProgramFolderOf(buffer);
}

std::string GetResourceFolder() {
    return GetProgramFolder() + "Resource\\";
}

void LoadPngAlpha(const std::string& path, AlphaPicture& picture) {
    frame::FileStream stream(path);
    PngManager::Instance().ReadAlpha(stream, picture);
}

std::optional<FileStamp> FileStamp::Of(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    const auto wide = [](DWORD high, DWORD low) { return (static_cast<unsigned long long>(high) << 32) | low; };
    return FileStamp{wide(data.nFileSizeHigh, data.nFileSizeLow),
                     wide(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

struct PngDecodeScope::Decoded {
    FileStamp stamp;
    frame::Bitmap picture;  // shares its pixels with the bitmaps it filled
};

namespace {

// The scope alive now, if any; start-up runs on one thread.
std::map<std::string, PngDecodeScope::Decoded>* g_decoded = nullptr;

}  // namespace

PngDecodeScope::PngDecodeScope() : m_decoded(std::make_unique<std::map<std::string, Decoded>>()) {
    if (!g_decoded) g_decoded = m_decoded.get();
}

PngDecodeScope::~PngDecodeScope() {
    if (g_decoded == m_decoded.get()) g_decoded = nullptr;
}

void LoadPng(const std::string& path, frame::Bitmap& bitmap) {
    const std::optional<FileStamp> stamp = g_decoded ? FileStamp::Of(path) : std::nullopt;
    if (stamp) {
        const auto kept = g_decoded->find(path);
        if (kept != g_decoded->end() && kept->second.stamp == *stamp) {
            bitmap.AssignPixels(kept->second.picture);
            return;
        }
    }
    if (LoadOwnPng(path, bitmap) && stamp) {
        PngDecodeScope::Decoded& kept = (*g_decoded)[path];
        kept.stamp = *stamp;
        kept.picture.AssignPixels(bitmap);
    }
}

bool LoadOwnPng(const std::string& path, frame::Bitmap& bitmap) {
    bitmap.SetPixelFormat(frame::PixelFormat::Bits32);
    frame::FileStream stream(path);
    return PngManager::Instance().Read(stream, bitmap);
}

}  // namespace kiln
