// Started by the PNG tests from a folder without the reader library.
//   probe REPORT           records the message the user would see in REPORT
//                          and loads an image, which must end with exit code 1
//   probe --folder REPORT  writes the program folder into REPORT

#include "app/PngReader.h"
#include "kiln/System/Diagnostics.h"

#include <cstdio>
#include <cstring>

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
    kiln::SetMessageHandler(&RecordMessage);
    frame::Bitmap bitmap;
    // Any file that opens will do: the reader is needed before decoding.
    LoadPng(argv[0], bitmap);
    return 0;
}
