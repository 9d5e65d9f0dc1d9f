// veltrunectl: the running Veltrune from the command line, through the
// messages the program obeys from the maker's other programs. See kCtlUsage.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/veltrunectl/ChangeListener.h"
#include "tools/veltrunectl/CtlRequest.h"
#include "tools/veltrunectl/ProfileExchange.h"
#include "tools/veltrunectl/RemoteCopy.h"
#include "vendor/VeltruneMessages.h"

namespace {

using veltrunectl::Action;

constexpr int kExitDelivered = 0;
constexpr int kExitNotRunning = 1;
constexpr int kExitBadCommandLine = 2;
constexpr int kExitNoAnswer = 3;
constexpr int kExitNotApplied = 4;
constexpr int kExitNoSuchProfile = 5;
constexpr int kExitUnreadable = 6;
// Long enough for the program to finish a firmware write and its service
// notice on a loaded machine; a copy that takes longer is stuck.
constexpr DWORD kAnswerMilliseconds = 60000;

int Fail(int code, const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "veltrunectl: %s\n", message.c_str());
    return code;
}

int WaitChanged(DWORD milliseconds) {
    veltrunectl::ChangeListener listener;
    if (!listener.Listening()) return Fail(kExitNoAnswer, "cannot listen for the settings-changed broadcast");
    const std::optional<LPARAM> heard = listener.Wait(milliseconds);
    if (!heard)
        return Fail(kExitNoAnswer, "no settings-changed broadcast came within " + std::to_string(milliseconds / 1000) +
                                       " seconds");
    std::printf("%lld\n", static_cast<long long>(*heard));
    return kExitDelivered;
}

int ExchangeProfiles(const veltrunectl::CtlRequest& request, veltrunectl::RemoteCopy& copy) {
    namespace msg = veltrune::msg;
    veltrunectl::ProfileExchange exchange;
    if (!exchange.Ready()) return Fail(kExitNoAnswer, "cannot make a window for the answer");
    const ULONG_PTR kind = request.action == Action::Profiles      ? msg::kListProfiles
                           : request.action == Action::LoadProfile ? msg::kLoadProfile
                                                                   : msg::kApplyProfile;
    // A load or an apply shows the window, which may then take the front.
    if (request.action != Action::Profiles) AllowSetForegroundWindow(ASFW_ANY);
    const std::optional<LRESULT> answer = exchange.Send(copy.MainWindow(), kind, request.profile, kAnswerMilliseconds);
    if (!answer) return Fail(kExitNoAnswer, "the running Veltrune did not take the request within 60 seconds");
    switch (*answer) {
    case msg::kRequestTaken: break;
    case msg::kRequestBusy: return Fail(kExitNoAnswer, "the running Veltrune is busy with a question or starting");
    case msg::kNoSuchProfile: return Fail(kExitNoSuchProfile, "there is no profile \"" + request.profile + "\"");
    case msg::kNameRefused:
        return Fail(kExitBadCommandLine, "\"" + request.profile + "\" is not a name of a profile in the profile folder");
    default: return Fail(kExitNoAnswer, "the running Veltrune does not know profile requests");
    }
    if (request.action == Action::Profiles) {
        for (const std::string& name : exchange.Names()) std::printf("%s\n", name.c_str());
        return kExitDelivered;
    }
    const std::optional<WPARAM> outcome = exchange.WaitForOutcome(copy.ProcessId());
    if (!outcome) return Fail(kExitNoAnswer, "the running Veltrune ended before the profile was done");
    switch (*outcome) {
    case msg::kProfileLoaded:
    case msg::kProfileApplied: return kExitDelivered;
    case msg::kProfileNotApplied: return Fail(kExitNotApplied, "not applied: a question was answered no or closed");
    case msg::kProfileUnreadable:
        return Fail(kExitUnreadable, "the profile \"" + request.profile + "\" could not be read");
    default: return Fail(kExitNoAnswer, "the running Veltrune was busy with a question of its own");
    }
}

int Deliver(const veltrunectl::CtlRequest& request) {
    veltrunectl::RemoteCopy copy;
    if (!copy.Find()) return Fail(kExitNotRunning, "Veltrune is not running");
    if (request.action == Action::Profiles || request.action == Action::LoadProfile ||
        request.action == Action::ApplyProfile)
        return ExchangeProfiles(request, copy);
    const std::string noAnswer = "the running Veltrune did not take the command within 60 seconds";
    if (request.action == Action::Hide) {
        if (!copy.PostHide()) return Fail(kExitNoAnswer, "the running Veltrune has no application window to ask");
        return copy.WaitUntilHidden(kAnswerMilliseconds) ? kExitDelivered : Fail(kExitNoAnswer, noAnswer);
    }
    if (!copy.Send(request.message, request.word, kAnswerMilliseconds)) return Fail(kExitNoAnswer, noAnswer);
    // A script that quits the program and starts it again must find it gone.
    if (request.action == Action::Quit && !copy.WaitUntilEnded(kAnswerMilliseconds))
        return Fail(kExitNoAnswer, "the running Veltrune took quit but did not end within 60 seconds");
    return kExitDelivered;
}

}  // namespace

int main(int argc, char** argv) {
    // No crash or critical-error dialogs: a script is waiting, not a person.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    veltrunectl::CtlRequest request;
    std::string error;
    if (!veltrunectl::ParseCtlRequest(argc, argv, request, error)) {
        Fail(kExitBadCommandLine, error);
        std::fputs(veltrunectl::kCtlUsage, stderr);
        return kExitBadCommandLine;
    }
    if (request.action == Action::Help) {
        std::fputs(veltrunectl::kCtlUsage, stdout);
        return kExitDelivered;
    }
    const int result = request.action == Action::WaitChanged ? WaitChanged(request.milliseconds) : Deliver(request);
    std::fflush(stdout);
    return result;
}
