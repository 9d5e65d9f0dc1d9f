#include "app/SafetyNet.h"

#include "kiln/fileutl/ProfileFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kHeader = "Veltrune safety net 1";
constexpr const char* kPending = "pending";
constexpr const char* kSettled = "settled";
constexpr const char* kEnd = "end";
constexpr DWORD kDefaultSeconds = 120;

struct Record {
    bool pending = false;
    std::string appliedAt;  // "HH:MM", local time
    VeOcItemValueList values;
};

enum class ReadResult { Missing, Damaged, Read };

bool ValidTime(const std::string& text) {
    unsigned hours = 0, minutes = 0;
    char rest = 0;
    return text.size() == 5 && std::sscanf(text.c_str(), "%2u:%2u%c", &hours, &minutes, &rest) == 2 && hours < 24 &&
           minutes < 60;
}

// Every line must be where it belongs and the closing line present: a file
// cut short by a crash while it was written, or changed by hand, must never
// reach the firmware.
ReadResult ReadRecord(const std::string& path, Record& record) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? ReadResult::Missing
                                                                                : ReadResult::Damaged;
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return ReadResult::Damaged;
    if (!std::getline(in, line) || (line != kPending && line != kSettled)) return ReadResult::Damaged;
    record.pending = line == kPending;
    if (!std::getline(in, line) || line.rfind("applied ", 0) != 0) return ReadResult::Damaged;
    record.appliedAt = line.substr(8);
    if (!ValidTime(record.appliedAt)) return ReadResult::Damaged;
    while (std::getline(in, line)) {
        if (line == kEnd) {
            if (in.peek() != std::char_traits<char>::eof()) return ReadResult::Damaged;
            return record.values.empty() ? ReadResult::Damaged : ReadResult::Read;
        }
        unsigned number = 0, value = 0;
        char rest = 0;
        if (std::sscanf(line.c_str(), "item %8x %10u%c", &number, &value, &rest) != 2 || number == 0)
            return ReadResult::Damaged;
        record.values.push_back({number, value});
    }
    return ReadResult::Damaged;
}

// Whole or not at all: the new text goes to a file of its own first and
// then takes the record's place in one step.
bool WriteRecord(const std::string& path, const Record& record) {
    std::ostringstream text;
    text << kHeader << '\n' << (record.pending ? kPending : kSettled) << '\n' << "applied " << record.appliedAt << '\n';
    for (const VeOcItemValue& entry : record.values) {
        char line[40];
        std::snprintf(line, sizeof line, "item %08X %u\n", static_cast<unsigned>(entry.number),
                      static_cast<unsigned>(entry.value));
        text << line;
    }
    text << kEnd << '\n';
    const std::string content = text.str();
    const std::string temporary = path + ".new";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (complete &&
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

std::string LocalTimeNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[8];
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(now.wHour) % 24u,
                  static_cast<unsigned>(now.wMinute) % 60u);
    return text;
}

}  // namespace

SafetyNet& SafetyNet::Instance() {
    static SafetyNet instance;
    return instance;
}

DWORD SafetyNet::SettleMilliseconds() {
    DWORD seconds = kDefaultSeconds;
    if (const char* text = std::getenv("VELTRUNE_SAFETY_SECONDS")) {
        char* end = nullptr;
        const unsigned long wanted = std::strtoul(text, &end, 10);
        if (end != text && *end == '\0' && wanted > 0 && wanted <= 24ul * 3600ul) seconds = static_cast<DWORD>(wanted);
    }
    return seconds * 1000;
}

bool SafetyNet::RecordBeforeApply(const VeOcItemValueList& previous) {
    const std::string path = kiln::SafetyRecordPath();
    Record record;
    // A damaged record is left for start-up to set aside; this Apply starts
    // a record of its own.
    if (ReadRecord(path, record) != ReadResult::Read || !record.pending) record = Record{};
    // Items named more than once (the ratio, one entry per core) come in
    // together or not at all, so the test is against the record as it was.
    const VeOcItemValueList kept = record.values;
    for (const VeOcItemValue& entry : previous) {
        const bool held = std::any_of(kept.begin(), kept.end(),
                                      [&](const VeOcItemValue& old) { return old.number == entry.number; });
        if (!held) record.values.push_back(entry);
    }
    record.pending = true;
    record.appliedAt = LocalTimeNow();
    StartClock(SettleMilliseconds());
    if (record.values.empty()) return true;
    return WriteRecord(path, record);
}

void SafetyNet::Settle() {
    StopClock();
    m_paused = false;
    const std::string path = kiln::SafetyRecordPath();
    Record record;
    if (ReadRecord(path, record) != ReadResult::Read || !record.pending) return;
    record.pending = false;
    WriteRecord(path, record);
}

void SafetyNet::Pause() {
    if (!m_timer) return;
    const ULONGLONG now = GetTickCount64();
    m_remaining = m_deadline > now ? static_cast<DWORD>(m_deadline - now) : 0;
    StopClock();
    m_paused = true;
}

void SafetyNet::Continue() {
    if (!m_paused) return;
    m_paused = false;
    StartClock(std::max<DWORD>(m_remaining, 1));
}

void SafetyNet::StartClock(DWORD milliseconds) {
    StopClock();
    m_paused = false;
    m_deadline = GetTickCount64() + milliseconds;
    m_timer = SetTimer(nullptr, 0, milliseconds, &SafetyNet::Elapsed);
}

void SafetyNet::StopClock() {
    if (m_timer) KillTimer(nullptr, m_timer);
    m_timer = 0;
}

void CALLBACK SafetyNet::Elapsed(HWND, UINT, UINT_PTR, DWORD) {
    Instance().Settle();
}

SafetyNet::Found SafetyNet::Inspect(VeOcItemValueList& values, std::string& appliedAt, std::string& setAside) {
    const std::string path = kiln::SafetyRecordPath();
    Record record;
    switch (ReadRecord(path, record)) {
    case ReadResult::Missing: return Found::Nothing;
    case ReadResult::Read:
        if (!record.pending) return Found::Nothing;
        values = record.values;
        appliedAt = record.appliedAt;
        return Found::Pending;
    case ReadResult::Damaged: break;
    }
    setAside = path + ".damaged";
    if (!MoveFileExA(path.c_str(), setAside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        // It cannot be kept aside, but it must not be asked about again.
        DeleteFileA(path.c_str());
        setAside.clear();
    }
    return Found::Damaged;
}

void SafetyNet::Remove() {
    StopClock();
    DeleteFileA(kiln::SafetyRecordPath().c_str());
}
