#pragma once
// Every picture of the skin by name, as the art modules draw them.

#include <map>
#include <string>
#include <vector>

#include "tools/skinmaker/Canvas.h"

namespace skinmaker {

struct Skin {
    // PNG files keyed by folder + name ("Numbers\\00.png").
    std::map<std::string, Image> files;
    // Bitmaps built into the programs, keyed by resource name.
    std::map<std::string, Image> embedded;
    // Icon sizes of the tray icon, smallest first.
    std::vector<Image> trayIcon;

    void Add(const std::string& folderAndName, Image image) { files[folderAndName] = std::move(image); }
    const Image& File(const std::string& folderAndName) const { return files.at(folderAndName); }
};

// The art modules, in the order they must run (controls are blended over the
// backgrounds, so the backgrounds come first).
void DrawMainWindow(Skin& skin);
void DrawControls(Skin& skin);
void DrawSliders(Skin& skin);
void DrawRatioPage(Skin& skin);
void DrawDigits(Skin& skin);
void DrawDialogs(Skin& skin);
void DrawTrayIcon(Skin& skin);

} // namespace skinmaker
