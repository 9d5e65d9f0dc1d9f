#pragma once
// The safety net under Apply: before new settings reach the firmware, the
// values they replace are kept in a file together with the time of the
// Apply, marked pending. A program that keeps running for two minutes after
// its last Apply, or ends normally, settles the record; a pending record
// found at start-up means the machine went down soon after an Apply, and
// the user may have the earlier values written back.

#include "app/ocitems/ApplyWitness.h"
#include "app/ocitems/VeOcItemValue.h"

#include <windows.h>

#include <string>
#include <vector>

class SafetyNet final : public ApplyWitness {
public:
    static SafetyNet& Instance();

    // Around the writes of each Apply, which hands the net to the item set
    // as its witness: every value the Apply reads goes into the record, and
    // the record is on disk before each write that replaces one. While a
    // record is pending it keeps what it holds (the last settings that ran)
    // and takes only what it does not hold yet. An Apply that writes
    // something makes the record pending from its time on and starts the
    // two minutes again; one that writes nothing leaves record and clock.
    void BeginApply();
    void Found(uint32_t item, uint32_t core, uint32_t value) override;
    void BeforeWrite() override;
    void EndApply();

    // The settings ran long enough, or the program ends normally.
    void Settle();
    // A suspend stops the two minutes; the resume goes on with what was left.
    void Pause();
    void Continue();

    enum class Finding { Nothing, Pending, Damaged };
    // What start-up finds. A pending record gives the list that writes its
    // values back and the local time of its Apply as "HH:MM"; a damaged one
    // is renamed out of the way and its new path given in `setAside`.
    Finding Inspect(VeOcItemValueList& values, std::string& appliedAt, std::string& setAside);
    // The user has answered: the record is gone either way.
    void Remove();

    // The two minutes, unless VELTRUNE_SAFETY_SECONDS names a shorter or
    // longer time for tests.
    static DWORD SettleMilliseconds();

    struct Entry {
        uint32_t item = 0;
        uint32_t core = kEveryCore;
        uint32_t value = 0;
    };
    struct Record {
        bool pending = false;
        std::string appliedAt;  // "HH:MM", local time
        std::vector<Entry> entries;
    };

private:
    SafetyNet() = default;
    static void CALLBACK Elapsed(HWND, UINT, UINT_PTR, DWORD);
    void StartClock(DWORD milliseconds);
    void StopClock();

    UINT_PTR m_timer = 0;
    ULONGLONG m_deadline = 0;
    DWORD m_remaining = 0;
    bool m_paused = false;

    // The Apply underway.
    Record m_record;
    bool m_unsaved = false;
    bool m_wrote = false;
};
