#include "kiln/Graphics/PngReader.h"

#include <gtest/gtest.h>

using kiln::GetResourceFolder;
using kiln::GetProgramFolder;
using kiln::ProgramFolderOf;

namespace {

TEST(ProgramFolderTest, FolderRules) {
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Veltrune\\Veltrune.exe"), "C:\\Program Files\\Veltrune\\");
    EXPECT_EQ(ProgramFolderOf("C:Veltrune.exe"), "C:");
    EXPECT_EQ(ProgramFolderOf("Veltrune.exe"), "");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\a:b\\x.exe"), "\\\\server\\share\\a:b\\");
}

TEST(ProgramFolderTest, RunningProgramFolderAndResourceFolder) {
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string expected(path, length);
    expected.resize(expected.rfind('\\') + 1);
    EXPECT_EQ(GetProgramFolder(), expected);
    EXPECT_EQ(GetResourceFolder(), expected + "Resource\\");
}

}  // namespace
