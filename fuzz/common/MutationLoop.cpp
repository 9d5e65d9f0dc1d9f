#include "fuzz/common/MutationLoop.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fuzzloop {
namespace {

constexpr DWORD kHangMilliseconds = 10000;

class Random {
public:
    explicit Random(uint64_t state) : m_state(state) {}
    uint64_t Next() {
        // splitmix64: every state gives a well-mixed, reproducible stream.
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return n ? static_cast<size_t>(Next() % n) : 0; }

private:
    uint64_t m_state;
};

const uint32_t kInterestingWords[] = {0, 1, 2, 3, 4, 7, 8, 12, 16, 255, 256, 4095, 4096, 4097, 0x7FFF, 0x8000,
                                      0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};

void MutateOnce(Input& data, const std::vector<Input>& others, Random& random) {
    const size_t size = data.size();
    switch (random.Below(size == 0 ? 2 : 11)) {
    case 0: {  // insert a few bytes
        Input bytes(1 + random.Below(16));
        for (auto& b : bytes) b = static_cast<uint8_t>(random.Next());
        data.insert(data.begin() + static_cast<std::ptrdiff_t>(random.Below(size + 1)), bytes.begin(), bytes.end());
        break;
    }
    case 1: {  // splice another seed's tail
        if (others.empty()) break;
        const Input& other = others[random.Below(others.size())];
        const size_t from = random.Below(other.size() + 1);
        data.resize(random.Below(size + 1));
        data.insert(data.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
    }
    case 2: data[random.Below(size)] ^= static_cast<uint8_t>(1u << random.Below(8)); break;
    case 3: data[random.Below(size)] = static_cast<uint8_t>(random.Next()); break;
    case 4: {
        static const uint8_t kBytes[] = {0, 1, 0x7F, 0x80, 0xFF, '0', '9', 'x', '\n', ' ', '"'};
        data[random.Below(size)] = kBytes[random.Below(std::size(kBytes))];
        break;
    }
    case 5: {  // a boundary value as a little-endian word
        const uint32_t word = random.Below(4) == 0 ? static_cast<uint32_t>(size - random.Below(size + 1))
                                                   : kInterestingWords[random.Below(std::size(kInterestingWords))];
        const size_t at = random.Below(size);
        for (size_t i = 0; i < 4 && at + i < size; ++i) data[at + i] = static_cast<uint8_t>(word >> (8 * i));
        break;
    }
    case 6: {  // erase a range
        const size_t at = random.Below(size);
        const size_t n = 1 + random.Below(std::min<size_t>(size - at, 64));
        data.erase(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n));
        break;
    }
    case 7: data.resize(random.Below(size)); break;
    case 8: {  // copy a range elsewhere
        const size_t from = random.Below(size);
        const size_t n = 1 + random.Below(std::min<size_t>(size - from, 64));
        const Input part(data.begin() + static_cast<std::ptrdiff_t>(from),
                         data.begin() + static_cast<std::ptrdiff_t>(from + n));
        data.insert(data.begin() + static_cast<std::ptrdiff_t>(random.Below(size + 1)), part.begin(), part.end());
        break;
    }
    case 9: data[random.Below(size)] += static_cast<uint8_t>(random.Below(33) - 16); break;
    default: {  // one byte repeated many times
        const uint8_t b = static_cast<uint8_t>(random.Next());
        data.insert(data.begin() + static_cast<std::ptrdiff_t>(random.Below(size + 1)), 1 + random.Below(512), b);
        break;
    }
    }
}

struct Shared {
    const char* name = "";
    std::string crashFolder = ".";
    std::atomic<uint64_t> started{0};
    std::atomic<uint64_t> finished{0};
    const Input* current = nullptr;
};
Shared g_shared;

std::string Save(const Input& input, const char* kind) {
    const std::string path = g_shared.crashFolder + "/" + kind + "-" + g_shared.name + "-" +
                             std::to_string(g_shared.started.load()) + ".bin";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(input.data()),
                                                static_cast<std::streamsize>(input.size()));
    return path;
}

void Fail(const char* kind, const std::string& what) {
    const std::string path = g_shared.current ? Save(*g_shared.current, kind) : std::string("(none)");
    std::printf("%s: input %llu: %s: %s\n  input saved to %s\n", g_shared.name,
                static_cast<unsigned long long>(g_shared.started.load()), kind, what.c_str(), path.c_str());
    std::printf("%s: %llu inputs, FAILED\n", g_shared.name, static_cast<unsigned long long>(g_shared.finished.load()));
    std::fflush(stdout);
}

LONG WINAPI OnException(EXCEPTION_POINTERS* info) {
    char code[32];
    std::snprintf(code, sizeof code, "exception 0x%08lX", info->ExceptionRecord->ExceptionCode);
    Fail("crash", code);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(void*) {
    for (uint64_t last = ~0ull;;) {
        Sleep(kHangMilliseconds);
        const uint64_t now = g_shared.started.load();
        if (now == last && g_shared.finished.load() < now) {
            Fail("hang", "no answer within " + std::to_string(kHangMilliseconds / 1000) + " seconds");
            TerminateProcess(GetCurrentProcess(), 4);
        }
        last = now;
    }
}

Input ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool RunOne(const Target& target, const Input& input) {
    g_shared.current = &input;
    g_shared.started.fetch_add(1);
    const std::string broken = target(input);
    if (!broken.empty()) {
        Fail("invariant", broken);
        return false;
    }
    g_shared.finished.fetch_add(1);
    return true;
}

}  // namespace

Input Mutate(const Input& seed, const std::vector<Input>& others, uint64_t run, uint64_t index) {
    Random random(run * 0x100000001B3ull ^ index * 0xD6E8FEB86659FD93ull);
    Input data = seed;
    const size_t count = 1 + random.Below(random.Below(4) == 0 ? 16 : 4);
    for (size_t i = 0; i < count; ++i) MutateOnce(data, others, random);
    // Inputs stay near what the readers meet in practice.
    if (data.size() > (1u << 20)) data.resize(1u << 20);
    return data;
}

int Run(const char* name, int argc, char** argv, const Target& target) {
    g_shared.name = name;
    uint64_t inputs = 0, seed = 1;
    double seconds = 0;
    std::vector<std::string> seedFolders, replay;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--inputs" && hasValue) inputs = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--seconds" && hasValue) seconds = std::strtod(argv[++i], nullptr);
        else if (arg == "--seed" && hasValue) seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--seeds" && hasValue) seedFolders.push_back(argv[++i]);
        else if (arg == "--crashes" && hasValue) g_shared.crashFolder = argv[++i];
        else if (arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "%s: unknown option %s\n", name, arg.c_str());
            return 2;
        } else replay.push_back(arg);
    }
    SetUnhandledExceptionFilter(&OnException);
    CloseHandle(CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr));

    if (!replay.empty()) {
        for (const auto& path : replay)
            if (!RunOne(target, ReadBytes(path))) return 1;
        std::printf("%s: %llu inputs replayed, no failure\n", name, static_cast<unsigned long long>(replay.size()));
        return 0;
    }

    std::vector<Input> seeds;
    for (const auto& folder : seedFolders) {
        std::error_code error;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());  // the same order on every run
        for (const auto& file : files) seeds.push_back(ReadBytes(file));
    }
    if (seeds.empty()) seeds.push_back({});
    if (inputs == 0 && seconds <= 0) inputs = 10000;

    // The seeds themselves first, then their mutations.
    for (const auto& s : seeds)
        if (!RunOne(target, s)) return 1;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (uint64_t index = 0;; ++index) {
        if (inputs && g_shared.finished.load() >= inputs) break;
        if (seconds > 0 && (index & 63) == 0 && GetTickCount64() >= deadline) break;
        if (!RunOne(target, Mutate(seeds[index % seeds.size()], seeds, seed, index))) return 1;
        // Progress, so that a run cut short still tells how far it came.
        if ((index + 1) % 50000 == 0) {
            std::printf("%s: %llu inputs so far\n", name, static_cast<unsigned long long>(g_shared.finished.load()));
            std::fflush(stdout);
        }
    }
    std::printf("%s: %llu inputs, no failure (seed %llu, %zu seeds)\n", name,
                static_cast<unsigned long long>(g_shared.finished.load()), static_cast<unsigned long long>(seed),
                seeds.size());
    return 0;
}

bool WriteWhole(const std::string& path, const Input& input) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, input.data(), static_cast<DWORD>(input.size()), &written, nullptr) &&
                       written == input.size();
    CloseHandle(file);
    return whole;
}

}  // namespace fuzzloop
