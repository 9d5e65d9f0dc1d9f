// Started by the PNG tests from a folder without the reader library.
//   probe REPORT           loads an image, which must leave the picture as it
//                          was, then reports what the reader library says is
//                          missing in REPORT, as a program would tell the user,
//                          and ends with exit code 1
//   probe --folder REPORT  writes the program folder into REPORT

#include "kiln/Graphics/PngReader.h"
#include "base/Diagnostics.h"

#include <cstdio>
#include <cstring>

using kiln::LoadPng;
using kiln::GetProgramFolder;

namespace {

const char* g_reportPath = nullptr;

int RecordMessage(const char* text, const char* caption, UINT) {
    if (FILE* out = std::fopen(g_reportPath, "w")) {
        std::fprintf(out, "%s\n%s\n", caption, text);
        std::fclose(out);
    }
    return IDOK;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--folder") == 0) {
        FILE* out = std::fopen(argv[2], "w");
        if (!out) return 2;
        std::fputs(GetProgramFolder().c_str(), out);
        std::fclose(out);
        return 0;
    }
    if (argc < 2) return 2;
    g_reportPath = argv[1];
    base::SetMessageHandler(&RecordMessage);
    frame::Bitmap bitmap(3, 2, frame::PixelFormat::Bits24);
    // Any file that opens will do: the reader is needed before decoding.
    LoadPng(argv[0], bitmap);
    if (bitmap.Width() != 3 || bitmap.Height() != 2) return 3;
    const kiln::PngManager& reader = kiln::PngManager::Instance();
    if (reader.Usable()) return 0;
    base::ShowMessage(reader.Problem().c_str(), "Veltrune", MB_OK | MB_ICONERROR);
    return 1;
}
