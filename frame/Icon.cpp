#include "frame/Icon.h"

#include "frame/Exception.h"

namespace frame {

void Icon::LoadFromFile(const std::string& path) {
    base::FileHandle probe(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe) throw FileOpenError(path, GetLastError());
    probe.Reset();
    HANDLE icon = LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (!icon) throw Exception("Icon image is not valid: " + path, ErrorKind::InvalidGraphic);
    m_icon.Reset(static_cast<HICON>(icon));
}

}  // namespace frame
