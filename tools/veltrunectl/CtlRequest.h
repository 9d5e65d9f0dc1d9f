#pragma once
// What veltrunectl was asked to do, read from its command line.

#include <windows.h>

#include <string>

namespace veltrunectl {

// The messages the running copy obeys, with the tag they must carry.
constexpr WPARAM kMessageTag = 85;
constexpr UINT kMsgClose = 1024;
constexpr UINT kMsgMinimize = 1025;
constexpr UINT kMsgShow = 1026;
constexpr UINT kMsgRemoteWrite = 1060;
constexpr UINT kMsgRemoteCommand = 1061;
// Command word of 1061: bit 15 takes the snapshot first, the low byte picks
// the action: 0 restores the snapshot, 1-3 apply built-in profile 0-2, and
// every higher action does nothing.
constexpr LPARAM kTakeSnapshot = 0x8000;
constexpr LPARAM kRestore = 0;
constexpr LPARAM kNoAction = 0xFF;
constexpr unsigned kBuiltInProfiles = 3;

enum class Action { Help, Show, Hide, Minimize, Quit, Message, WaitChanged };

struct CtlRequest {
    Action action = Action::Help;
    UINT message = 0;  // Action::Message: sent with the tag and `word`
    LPARAM word = 0;
    DWORD milliseconds = INFINITE;  // Action::WaitChanged
};

extern const char kCtlUsage[];

// False, with what was wrong, for a bad command line.
bool ParseCtlRequest(int argc, char** argv, CtlRequest& request, std::string& error);

}  // namespace veltrunectl
