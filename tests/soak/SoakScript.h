#pragma once
// The seeded mix of operations a person, other programs and the system
// would bring to two copies of the program on one board: slider steps,
// Apply with its questions answered, Undo, profiles saved, chosen and
// deleted, remote commands, suspend and resume. Each operation goes through
// the copies' real windows and messages and is also played on the model,
// which says what the board, the bars and the profile files must hold.

#include "tests/soak/BoardModel.h"
#include "tests/soak/SoakCopy.h"

#include <map>
#include <random>
#include <string>
#include <vector>

namespace soak {

struct ScriptSetting {
    std::vector<SoakCopy*> copies;
    const testsupport::ServiceProcess* service = nullptr;
    std::vector<std::string> builtInNames;     // the firmware's profiles, in stored order
    std::vector<Entries> builtInPairs;         // their pairs
    std::vector<std::string> profileNames;     // the names the script saves under
};

class SoakScript {
public:
    SoakScript(ScriptSetting setting, BoardModel& model, uint32_t seed);

    // Runs one operation; its description is Last(). Failures are reported
    // through the test framework.
    void RunOne();
    const std::string& Last() const { return m_last; }
    // How many operations of each kind ran, for the record.
    std::string Tally() const;

private:
    void Step(size_t copy);
    void Apply(size_t copy);
    void Undo(size_t copy);
    void LoadProfile(size_t copy);
    void SaveProfile(size_t copy);
    void DeleteProfile(size_t copy);
    void RemoteWrite(size_t copy);
    void RemoteCommand(size_t copy);
    void SuspendAndResume();
    void ToggleMoreSettings(size_t copy);
    void OutsideWrite();
    // A value the script may give `item` from outside: within the walk.
    uint32_t OutsideValue(uint32_t item);
    // While the copy waits for an answer in one of its dialogs, another
    // program, the other copy or the system acts; the copy handles that
    // from inside the dialog's loop.
    void Interrupt(size_t copy);
    // The items whose step buttons the copy shows now.
    std::vector<uint32_t> Steppable(size_t copy) const;
    void Settle() const;

    // Answers the questions the copy asks now, in turn, with the named
    // buttons; failures name the operation. Returns the questions asked.
    std::vector<std::string> Answer(const SoakCopy& copy, const std::vector<const char*>& buttons);
    // Opens the save-profile dialog; false (after answering the warning)
    // when edits wait to be applied.
    bool OpenProfileDialog(size_t copy, HWND& dialog, bool interrupted);
    void CloseProfileDialog(const SoakCopy& copy);
    bool Chance(double probability);
    uint32_t Below(uint32_t bound);

    ScriptSetting m_setting;
    BoardModel& m_model;
    std::mt19937 m_random;
    std::string m_last;
    std::map<std::string, int> m_tally;
    bool m_interrupting = false;  // interruptions are not interrupted again
};

}  // namespace soak
