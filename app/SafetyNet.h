#pragma once
// The safety net under Apply: before new settings reach the firmware, the
// values they replace are kept in a file together with the time of the
// Apply, marked pending. A program that keeps running for two minutes after
// its last Apply, or ends normally, settles the record; a pending record
// found at start-up means the machine went down soon after an Apply, and
// the user may have the earlier values written back.

#include "app/ocitems/VeOcItemValue.h"

#include <windows.h>

#include <string>

class SafetyNet {
public:
    static SafetyNet& Instance();

    // Called with the values the firmware holds just before an Apply writes.
    // While a record is pending it keeps its values (the last settings that
    // ran) and only takes items it does not hold yet; the time and the two
    // minutes start again from this Apply. False when the record could not
    // be written.
    bool RecordBeforeApply(const VeOcItemValueList& previous);
    // The settings ran long enough, or the program ends normally.
    void Settle();
    // A suspend stops the two minutes; the resume goes on with what was left.
    void Pause();
    void Continue();

    enum class Found { Nothing, Pending, Damaged };
    // What start-up finds. A pending record gives its values and the local
    // time of its Apply as "HH:MM"; a damaged one is renamed out of the way
    // and its new path given in `setAside`.
    Found Inspect(VeOcItemValueList& values, std::string& appliedAt, std::string& setAside);
    // The user has answered: the record is gone either way.
    void Remove();

    // The two minutes, unless VELTRUNE_SAFETY_SECONDS names a shorter or
    // longer time for tests.
    static DWORD SettleMilliseconds();

private:
    SafetyNet() = default;
    static void CALLBACK Elapsed(HWND, UINT, UINT_PTR, DWORD);
    void StartClock(DWORD milliseconds);
    void StopClock();

    UINT_PTR m_timer = 0;
    ULONGLONG m_deadline = 0;
    DWORD m_remaining = 0;
    bool m_paused = false;
};
