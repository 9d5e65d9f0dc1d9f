#pragma once
// Test access to the simulated firmware: its named extras, board loading and
// the call journal. A test starts from a freshly loaded board (carrying only
// the faults its file declares) and zeroed call counters.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kiln/arvex/FirmwareAnswers.h"
#include "standins/firmlink/FirmSim.h"
#include "vendor/firmlink.h"

class SimulatedBoard {
public:
    // Path of a board file shipped beside the firmware library (bin/boards/).
    static std::string ShippedBoard(const char* name) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(GetModuleHandleA("firmlink.dll"), path, MAX_PATH);
        std::string dir(path);
        return dir.substr(0, dir.find_last_of("\\/") + 1) + "boards\\" + name;
    }

    // Loads a board (the built-in one for an empty path) and starts it afresh;
    // what the program's toolkit kept of the board before is forgotten.
    static void Load(const std::string& path) {
        kiln::ForgetFirmwareAnswers();
        using LoadFn = uint32_t(__stdcall*)(const char*);
        using LastErrorFn = const char*(__stdcall*)();
        auto load = Extra<LoadFn>("FirmSimLoadBoard");
        ASSERT_TRUE(load(path.c_str()) & 1) << path << ": " << Extra<LastErrorFn>("FirmSimLastError")();
        FirmInitialize();
        Extra<FirmResetCountsFn>("FirmSimResetCounts")();
    }

    // A fault must reach the toolkit's next call, not an answer it kept.
    static void SetFault(uint32_t item, uint32_t kinds) {
        kiln::ForgetFirmwareAnswers();
        Extra<FirmSetFaultFn>("FirmSimSetFault")(item, kinds);
    }
    static void ClearFaults() {
        kiln::ForgetFirmwareAnswers();
        Extra<FirmClearFaultsFn>("FirmSimClearFaults")();
    }
    static uint32_t Calls(uint32_t ordinal) { return Extra<FirmCallCountFn>("FirmSimCallCount")(ordinal); }
    static void ResetCounts() { Extra<FirmResetCountsFn>("FirmSimResetCounts")(); }
    static uint32_t Peek(uint32_t item, uint32_t core = 0) {
        uint32_t value = 0xDEADBEEF;
        EXPECT_TRUE(Extra<FirmPeekFn>("FirmSimPeek")(item, core, &value) & 1) << std::hex << item;
        return value;
    }
    static void Poke(uint32_t item, uint32_t core, uint32_t value) {
        EXPECT_TRUE(Extra<FirmPokeFn>("FirmSimPoke")(item, core, value) & 1) << std::hex << item;
    }

    template <typename Fn>
    static Fn Extra(const char* name) {
        Fn fn = FirmSimFunction<Fn>(name);
        if (!fn) throw std::runtime_error(std::string("firmlink.dll lacks ") + name);
        return fn;
    }
};

// Records the firmware calls made while it lives; each line reads
// "<ordinal> <args...> -> <result> <outs...>".
class JournalScope {
public:
    JournalScope() {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        char path[MAX_PATH];
        GetTempFileNameA(dir, "fjr", 0, path);
        m_path = path;
        DeleteFileA(m_path.c_str());
        SetEnvironmentVariableA("FIRMLINK_JOURNAL", m_path.c_str());
    }
    ~JournalScope() {
        SetEnvironmentVariableA("FIRMLINK_JOURNAL", nullptr);
        DeleteFileA(m_path.c_str());
    }
    JournalScope(const JournalScope&) = delete;
    JournalScope& operator=(const JournalScope&) = delete;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream in(m_path);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    // Only the lines of the given ordinal, without the result part.
    std::vector<std::string> Calls(uint32_t ordinal) const {
        std::vector<std::string> calls;
        std::string prefix = std::to_string(ordinal) + " ";
        for (const std::string& line : Lines())
            if (line.rfind(prefix, 0) == 0) calls.push_back(line.substr(0, line.find(" ->")));
        return calls;
    }

private:
    std::string m_path;
};

// "2 0x030600F0 0x00000001 0x00000001": a write call as the journal shows it.
inline std::string WriteCall(uint32_t item, uint32_t value, uint32_t mode) {
    char line[64];
    std::snprintf(line, sizeof line, "2 0x%08X 0x%08X 0x%08X", item, value, mode);
    return line;
}
