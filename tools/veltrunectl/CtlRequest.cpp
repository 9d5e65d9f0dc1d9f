#include "tools/veltrunectl/CtlRequest.h"

#include <cstring>

#include "tools/firmctl/Arguments.h"
#include "vendor/VeltruneMessages.h"

namespace veltrunectl {

const char kCtlUsage[] =
    "usage: veltrunectl COMMAND\n"
    "  show                  show the running Veltrune's window and bring it to the front\n"
    "  hide                  hide the window (the program keeps running in the tray)\n"
    "  minimize              minimize the window\n"
    "  quit                  end the running Veltrune and wait until it has ended\n"
    "  write-base-clock INDEX\n"
    "                        write step INDEX of the CPU base clock\n"
    "  snapshot              save the current settings for a later restore\n"
    "  restore               write the saved settings back (once)\n"
    "  builtin N             apply the firmware's built-in profile N (0, 1 or 2,\n"
    "                        as firmctl profiles numbers them)\n"
    "  snapshot-builtin N    save the current settings, then apply built-in profile N\n"
    "  profiles              print the profile names as the window's selector lists them\n"
    "  load NAME             fill the window's controls from profile NAME and show it\n"
    "                        (nothing is written)\n"
    "  apply NAME            load profile NAME, then Apply: the window asks its questions\n"
    "                        and this waits for the answers\n"
    "  wait-changed [SECONDS]\n"
    "                        wait (without end, or SECONDS) for the next settings-changed\n"
    "                        broadcast from any program and print its lParam\n"
    "Numbers are decimal, or hexadecimal with 0x.\n"
    "Exit codes: 0 delivered (or a broadcast came, or the profile was applied), 1 no\n"
    "Veltrune runs, 2 bad command line (also a profile name that is no file name in\n"
    "the profile folder), 3 no answer in time (the window took no command within\n"
    "60 seconds, it is busy with a question of its own, quit did not end the program,\n"
    "or no broadcast came), 4 a question of apply was answered no or closed, 5 no\n"
    "profile of that name, 6 the profile could not be read.\n";

namespace {

namespace msg = veltrune::msg;

// A DWORD of milliseconds must stay below INFINITE.
constexpr uint32_t kMaxSeconds = 4000000;
// An action past the built-in profiles: the snapshot is taken and nothing
// else is done.
constexpr uint32_t kNoAction = 0xFF;

struct Simple {
    const char* name;
    Action action;
    UINT message;
    LPARAM word;
};

constexpr Simple kSimple[] = {
    {"show", Action::Show, msg::kShow, 0},
    {"hide", Action::Hide, 0, 0},
    {"minimize", Action::Minimize, msg::kMinimize, 0},
    {"quit", Action::Quit, msg::kClose, 0},
    {"snapshot", Action::Message, msg::kRemoteCommand, msg::kTakeSnapshot | kNoAction},
    {"restore", Action::Message, msg::kRemoteCommand, msg::kRestore},
};

// Names are checked again by the copy; what is refused here could name a
// file outside the profile folder, or no file at all.
bool StaysInProfileFolder(const std::string& name) {
    if (name.empty() || name.size() > veltrune::msg::kMaxProfileName) return false;
    if (name.find_first_not_of('.') == std::string::npos) return false;
    for (const char c : name)
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

bool ParseProfile(const std::string& command, const char* text, uint32_t& profile, std::string& error) {
    if (!firmctl::ParseNumber(text, profile) || profile >= msg::kBuiltInProfiles) {
        error = command + " takes a built-in profile 0, 1 or 2, not \"" + text + "\"";
        return false;
    }
    return true;
}

}  // namespace

bool ParseCtlRequest(int argc, char** argv, CtlRequest& request, std::string& error) {
    if (argc < 2) {
        error = "no command given";
        return false;
    }
    const std::string command = argv[1];
    const int extra = argc - 2;
    if (command == "--help" || command == "-h") {
        request.action = Action::Help;
        return true;
    }
    for (const Simple& simple : kSimple) {
        if (command != simple.name) continue;
        if (extra != 0) {
            error = command + " takes no arguments, but got \"" + argv[2] + "\"";
            return false;
        }
        request = CtlRequest{simple.action, simple.message, simple.word, INFINITE, {}};
        return true;
    }
    const bool takesOne = command == "write-base-clock" || command == "builtin" || command == "snapshot-builtin";
    if (takesOne && extra != 1) {
        error = command + (extra == 0 ? " needs an argument" : " takes one argument");
        return false;
    }
    request.action = Action::Message;
    if (command == "write-base-clock") {
        uint32_t index = 0;
        if (!firmctl::ParseNumber(argv[2], index)) {
            error = std::string("write-base-clock takes a step index, not \"") + argv[2] + "\"";
            return false;
        }
        request.message = msg::kRemoteWrite;
        request.word = static_cast<LPARAM>(index);
        return true;
    }
    if (command == "builtin" || command == "snapshot-builtin") {
        uint32_t profile = 0;
        if (!ParseProfile(command, argv[2], profile, error)) return false;
        request.message = msg::kRemoteCommand;
        request.word = static_cast<LPARAM>((msg::kFirstBuiltInProfile + profile) |
                                           (command == "builtin" ? 0 : msg::kTakeSnapshot));
        return true;
    }
    if (command == "profiles") {
        if (extra != 0) {
            error = "profiles takes no arguments, but got \"" + std::string(argv[2]) + "\"";
            return false;
        }
        request.action = Action::Profiles;
        return true;
    }
    if (command == "load" || command == "apply") {
        if (extra != 1) {
            error = command + (extra == 0 ? " needs a profile name" : " takes one profile name");
            return false;
        }
        if (!StaysInProfileFolder(argv[2])) {
            error = "\"" + std::string(argv[2]) + "\" is not a name of a profile in the profile folder";
            return false;
        }
        request.action = command == "load" ? Action::LoadProfile : Action::ApplyProfile;
        request.profile = argv[2];
        return true;
    }
    if (command == "wait-changed") {
        request.action = Action::WaitChanged;
        if (extra > 1) {
            error = "wait-changed takes at most one argument";
            return false;
        }
        if (extra == 0) return true;
        uint32_t seconds = 0;
        if (!firmctl::ParseNumber(argv[2], seconds) || seconds > kMaxSeconds) {
            error = std::string("wait-changed takes a number of seconds up to ") + std::to_string(kMaxSeconds) +
                    ", not \"" + argv[2] + "\"";
            return false;
        }
        request.milliseconds = seconds * 1000;
        return true;
    }
    error = "unknown command \"" + command + "\"";
    return false;
}

}  // namespace veltrunectl
