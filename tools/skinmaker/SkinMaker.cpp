// Draws the whole skin and writes it out:
//   <bin>/Resource/...            every PNG file and the tray icon
//   <bitmaps>/<Name>.bmp          the bitmaps built into the programs
//   <preview>/contact_sheet.png   every picture with its name
//   <preview>/mockups.png         the windows composed from the pictures
//
// usage: skinmaker <bin folder> <bitmap folder> <preview folder>

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "resources/EmbeddedBitmaps.h"
#include "resources/SkinNames.h"
#include "tools/skinmaker/ImageFiles.h"
#include "tools/skinmaker/Preview.h"
#include "tools/skinmaker/Skin.h"

namespace fs = std::filesystem;
using namespace skinmaker;

namespace {

std::string OnDisk(const std::string& folderAndName) {
    std::string path = folderAndName;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

// Every listed file must have been drawn at its listed size, and nothing may
// be drawn that the list does not name.
void CheckAgainstLists(const Skin& skin) {
    for (const skin::SkinFile& f : skin::pngFiles) {
        auto it = skin.files.find(std::string(f.folder) + f.name);
        if (it == skin.files.end())
            throw std::runtime_error(std::string("not drawn: ") + f.folder + f.name);
        if (it->second.Width() != f.width || it->second.Height() != f.height)
            throw std::runtime_error(std::string("wrong size: ") + f.folder + f.name);
    }
    if (skin.files.size() != skin::pngFileCount)
        throw std::runtime_error("drawn files that the names list does not have");
    auto checkBitmaps = [&](const auto& list) {
        for (const skin::embedded::Bitmap& b : list) {
            const Image& im = skin.embedded.at(b.name);
            if (im.Width() != b.width || im.Height() != b.height)
                throw std::runtime_error(std::string("wrong size: ") + b.name);
        }
    };
    checkBitmaps(skin::embedded::veltruneBitmaps);
    checkBitmaps(skin::embedded::tunevaultBitmaps);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: skinmaker <bin folder> <bitmap folder> <preview folder>\n";
        return 2;
    }
    try {
        const fs::path resource = fs::path(argv[1]) / "Resource";
        const fs::path bitmaps = argv[2];
        const fs::path preview = argv[3];
        Skin skin;
        DrawMainWindow(skin);
        DrawControls(skin);
        DrawSliders(skin);
        DrawRatioPage(skin);
        DrawDigits(skin);
        DrawDialogs(skin);
        DrawTrayIcon(skin);
        CheckAgainstLists(skin);

        for (const auto& [name, image] : skin.files) {
            fs::path path = resource / OnDisk(name);
            fs::create_directories(path.parent_path());
            WritePng(path.string(), image);
        }
        WriteIco((resource / skin::trayIcon).string(), skin.trayIcon);
        fs::create_directories(bitmaps);
        for (const auto& [name, image] : skin.embedded)
            WriteBmp24((bitmaps / (name + ".bmp")).string(), image);
        fs::create_directories(preview);
        WritePng((preview / "contact_sheet.png").string(), ContactSheet(skin));
        WritePng((preview / "mockups.png").string(), Mockups(skin));
    } catch (const std::exception& e) {
        std::cerr << "skinmaker: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
