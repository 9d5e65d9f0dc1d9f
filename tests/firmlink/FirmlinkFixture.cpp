#include "tests/firmlink/FirmlinkFixture.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/support/ChildProcess.h"

std::vector<PackageElement> WalkPackage(void* buffer) {
    std::vector<PackageElement> elements;
    const uint32_t count = FirmElementCount(buffer);
    void* element = FirmFirstElement(buffer);
    for (uint32_t i = 0; i < count; ++i) {
        PackageElement e;
        e.tag = *static_cast<const char*>(element);
        const void* data = FirmElementData(element);
        if (e.tag == 'I') std::memcpy(&e.integer, data, sizeof e.integer);
        else e.text = static_cast<const char*>(data);
        elements.push_back(e);
        element = FirmNextElement(element);
    }
    return elements;
}

TempFile::TempFile(const std::string& name, const std::string& contents) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    m_path = std::string(folder) + name;
    std::ofstream(m_path, std::ios::binary) << contents;
}

TempFile::~TempFile() { DeleteFileA(m_path.c_str()); }

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string FirmlinkFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("firmlink.dll"), path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

int RunPeer(const std::string& arguments, std::string* output) {
    const std::string exe = testsupport::TestFolder() + "FirmPeer.exe";
    const testsupport::ChildResult result = testsupport::RunChild(testsupport::Quote(exe) + " " + arguments);
    if (!result.started) return -1;
    if (output) *output = result.out;
    return static_cast<int>(result.exitCode);
}

void FirmlinkTest::SetUp() {
    reset = FirmSimFunction<FirmResetFn>("FirmSimReset");
    setFault = FirmSimFunction<FirmSetFaultFn>("FirmSimSetFault");
    clearFaults = FirmSimFunction<FirmClearFaultsFn>("FirmSimClearFaults");
    peek = FirmSimFunction<FirmPeekFn>("FirmSimPeek");
    poke = FirmSimFunction<FirmPokeFn>("FirmSimPoke");
    callCount = FirmSimFunction<FirmCallCountFn>("FirmSimCallCount");
    resetCounts = FirmSimFunction<FirmResetCountsFn>("FirmSimResetCounts");
    loadBoard = FirmSimFunction<FirmLoadBoardFn>("FirmSimLoadBoard");
    lastError = FirmSimFunction<FirmLastErrorFn>("FirmSimLastError");
    ASSERT_TRUE(reset && setFault && clearFaults && peek && poke && callCount && resetCounts && loadBoard && lastError);
    // Every test starts on the built-in board with its initial values.
    ASSERT_EQ(loadBoard(nullptr), 1u) << lastError();
    ASSERT_EQ(FirmInitialize(), 1u);
}

void FirmlinkTest::TearDown() { SetEnvironmentVariableA("FIRMLINK_JOURNAL", nullptr); }

std::vector<uint32_t> FirmlinkTest::ListGroup(uint32_t group) {
    std::vector<unsigned char> buffer(kFirmPackageCapacity);
    uint32_t size = kFirmPackageCapacity;
    std::vector<uint32_t> numbers;
    if (!FirmListGroup(group, buffer.data(), &size)) return numbers;
    for (const auto& e : WalkPackage(buffer.data())) numbers.push_back(e.integer);
    return numbers;
}

std::vector<PackageElement> FirmlinkTest::Describe(uint32_t item) {
    std::vector<unsigned char> buffer(kFirmPackageCapacity);
    uint32_t size = kFirmPackageCapacity;
    if (!FirmDescribeItem(&item, buffer.data(), &size)) return {};
    return WalkPackage(buffer.data());
}

uint32_t FirmlinkTest::Read(uint32_t item) {
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(FirmReadItem(item, &value) & 1, 1u) << std::hex << item;
    return value;
}

uint32_t FirmlinkTest::Peek(uint32_t item, uint32_t core) {
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(peek(item, core, &value), 1u) << std::hex << item << " core " << core;
    return value;
}
