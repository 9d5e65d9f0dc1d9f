#pragma once
// Shared set-up for the firmware tests: the extras of the simulated board, a
// fresh machine per test, and readers for packages built with the ordinals.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "standins/firmlink/FirmSim.h"

struct PackageElement {
    char tag = 0;
    uint32_t integer = 0;
    std::string text;
};

// Walks a package with ordinals 6, 7, 9 and 10 only.
std::vector<PackageElement> WalkPackage(void* buffer);

// A file in the temporary folder, removed when the owner goes.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

std::string ReadWholeFile(const std::string& path);
// Folder of firmlink.dll, with a trailing backslash.
std::string FirmlinkFolder();

// Runs FirmPeer.exe (beside the test) with `arguments`; returns its exit code
// and its standard output.
int RunPeer(const std::string& arguments, std::string* output = nullptr);

class FirmlinkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<uint32_t> ListGroup(uint32_t group);
    std::vector<PackageElement> Describe(uint32_t item);
    uint32_t Read(uint32_t item);  // fails the test when the read fails
    uint32_t Peek(uint32_t item, uint32_t core);
    bool LoadBoard(const std::string& path) { return loadBoard(path.c_str()) != 0; }

    FirmResetFn reset = nullptr;
    FirmSetFaultFn setFault = nullptr;
    FirmClearFaultsFn clearFaults = nullptr;
    FirmPeekFn peek = nullptr;
    FirmPokeFn poke = nullptr;
    FirmCallCountFn callCount = nullptr;
    FirmResetCountsFn resetCounts = nullptr;
    FirmLoadBoardFn loadBoard = nullptr;
    FirmLastErrorFn lastError = nullptr;
};
