#include "app/SafetyNet.h"

#include "app/ocitems/LuOcRatio.h"
#include "base/Handles.h"
#include "kiln/fileutl/ProfileFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

using Entry = SafetyNet::Entry;
using Record = SafetyNet::Record;

constexpr const char* kHeader = "Veltrune safety net 1";
constexpr const char* kPending = "pending";
constexpr const char* kSettled = "settled";
constexpr const char* kEnd = "end";
constexpr DWORD kDefaultSeconds = 120;
// Far more than a record of every item of a board takes.
constexpr size_t kLargestRecord = 1 << 20;

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
bool ReadWhole(HANDLE file, std::string& text) {
    char chunk[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) return true;
        if (text.size() + got > kLargestRecord) return false;
        text.append(chunk, got);
    }
}

// The line that starts at `position`, without its line feed; false past the
// last one.
bool NextLine(const std::string& text, size_t& position, std::string& line) {
    if (position >= text.size()) return false;
    const size_t end = std::min(text.find('\n', position), text.size());
    line.assign(text, position, end - position);
    position = end + 1;
    return true;
}

ReadResult ReadRecord(const std::string& path, Record& record) {
    base::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? ReadResult::Missing
                                                                                  : ReadResult::Damaged;
    std::string text;
    if (!ReadWhole(file.Get(), text)) return ReadResult::Damaged;
    size_t position = 0;
    std::string line;
    if (!NextLine(text, position, line) || line != kHeader) return ReadResult::Damaged;
    if (!NextLine(text, position, line) || (line != kPending && line != kSettled)) return ReadResult::Damaged;
    record.pending = line == kPending;
    if (!NextLine(text, position, line) || line.rfind("applied ", 0) != 0) return ReadResult::Damaged;
    record.appliedAt = line.substr(8);
    if (!ValidTime(record.appliedAt)) return ReadResult::Damaged;
    while (NextLine(text, position, line)) {
        if (line == kEnd) {
            if (position < text.size()) return ReadResult::Damaged;
            return record.entries.empty() ? ReadResult::Damaged : ReadResult::Read;
        }
        unsigned number = 0, core = 0, value = 0;
        char rest = 0;
        if (std::sscanf(line.c_str(), "item %8x %3u %10u%c", &number, &core, &value, &rest) != 3 || number == 0 ||
            core > ApplyWitness::kEveryCore)
            return ReadResult::Damaged;
        record.entries.push_back({number, core, value});
    }
    return ReadResult::Damaged;
}

// Whole or not at all: the new text goes to a file of its own first and
// then takes the record's place in one step.
bool WriteRecord(const std::string& path, const Record& record) {
    std::string content = std::string(kHeader) + '\n' + (record.pending ? kPending : kSettled) + '\n' + "applied " +
                          record.appliedAt + '\n';
    for (const Entry& entry : record.entries) {
        char line[48];
        std::snprintf(line, sizeof line, "item %08X %u %u\n", static_cast<unsigned>(entry.item),
                      static_cast<unsigned>(entry.core), static_cast<unsigned>(entry.value));
        content += line;
    }
    content += kEnd;
    content += '\n';
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

// The list that writes a record back through the item set. Ordinary items
// and a ratio set for every core at once come as recorded. A ratio recorded
// core by core needs every core's index: cores the Apply never reached
// (the machine went down in the middle of its writes) still hold what they
// held before it and are read now; when one cannot be read, or the board's
// ratio is not the one recorded, the ratio is left as it is.
VeOcItemValueList WriteBackList(const std::vector<Entry>& entries) {
    VeOcItemValueList list;
    std::map<uint32_t, uint32_t> cores;
    uint32_t ratioItem = 0;
    for (const Entry& entry : entries) {
        if (entry.core == ApplyWitness::kEveryCore) {
            list.push_back({entry.item, entry.value});
        } else {
            cores[entry.core] = entry.value;
            ratioItem = entry.item;
        }
    }
    if (cores.empty()) return list;
    LuOcRatio& ratio = LuOcRatio::Instance();
    if (!ratio.PerCore() || ratio.ItemNumber() != ratioItem || cores.rbegin()->first >= ratio.Count()) return list;
    VeOcItemValueList ratios;
    for (uint32_t core = 0; core < ratio.Count(); ++core) {
        const auto recorded = cores.find(core);
        bool read = true;
        const uint32_t index = recorded != cores.end() ? recorded->second : ratio.ReadIndex(core, &read);
        if (!read) return list;
        ratios.push_back({ratioItem, index});
    }
    list.insert(list.end(), ratios.begin(), ratios.end());
    return list;
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

void SafetyNet::BeginApply() {
    m_record = Record{};
    // A damaged record is left for start-up to set aside; a settled one is
    // history. Either way this Apply starts a record of its own.
    if (ReadRecord(kiln::SafetyRecordPath(), m_record) != ReadResult::Read || !m_record.pending) m_record = Record{};
    m_unsaved = false;
    m_wrote = false;
}

void SafetyNet::Found(uint32_t item, uint32_t core, uint32_t value) {
    const bool held = std::any_of(m_record.entries.begin(), m_record.entries.end(),
                                  [&](const Entry& entry) { return entry.item == item && entry.core == core; });
    if (held) return;
    m_record.entries.push_back({item, core, value});
    m_unsaved = true;
}

void SafetyNet::BeforeWrite() {
    if (!m_wrote) {
        m_wrote = true;
        m_record.pending = true;
        m_record.appliedAt = LocalTimeNow();
        m_unsaved = true;
    }
    if (m_unsaved) m_unsaved = !WriteRecord(kiln::SafetyRecordPath(), m_record);
}

void SafetyNet::EndApply() {
    if (!m_wrote) return;
    // Items read after the last write were not replaced, but they belong to
    // the settings that ran before.
    if (m_unsaved) m_unsaved = !WriteRecord(kiln::SafetyRecordPath(), m_record);
    StartClock(SettleMilliseconds());
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

SafetyNet::Finding SafetyNet::Inspect(VeOcItemValueList& values, std::string& appliedAt, std::string& setAside) {
    const std::string path = kiln::SafetyRecordPath();
    Record record;
    switch (ReadRecord(path, record)) {
    case ReadResult::Missing: return Finding::Nothing;
    case ReadResult::Read:
        if (!record.pending) return Finding::Nothing;
        values = WriteBackList(record.entries);
        appliedAt = record.appliedAt;
        return Finding::Pending;
    case ReadResult::Damaged: break;
    }
    setAside = path + ".damaged";
    if (!MoveFileExA(path.c_str(), setAside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        // It cannot be kept aside, but it must not be asked about again.
        DeleteFileA(path.c_str());
        setAside.clear();
    }
    return Finding::Damaged;
}

void SafetyNet::Remove() {
    StopClock();
    DeleteFileA(kiln::SafetyRecordPath().c_str());
}
