#pragma once
// What veltrunectl was asked to do, read from its command line.

#include <windows.h>

#include <string>

namespace veltrunectl {

enum class Action { Help, Show, Hide, Minimize, Quit, Message, WaitChanged, Profiles, LoadProfile, ApplyProfile };

struct CtlRequest {
    Action action = Action::Help;
    UINT message = 0;  // Action::Message: sent with the tag and `word`
    LPARAM word = 0;
    DWORD milliseconds = INFINITE;  // Action::WaitChanged
    std::string profile;  // Action::LoadProfile and Action::ApplyProfile
};

extern const char kCtlUsage[];

// False, with what was wrong, for a bad command line.
bool ParseCtlRequest(int argc, char** argv, CtlRequest& request, std::string& error);

}  // namespace veltrunectl
