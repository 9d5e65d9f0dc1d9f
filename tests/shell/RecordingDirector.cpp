#include "RecordingDirector.h"

#include "app/Director.h"

namespace shelltest {

std::vector<std::string>& DirectorCalls() {
    static std::vector<std::string> calls;
    return calls;
}

}  // namespace shelltest

using shelltest::DirectorCalls;

Director& Director::Instance() {
    static Director instance;
    return instance;
}

Director::Director() = default;

void Director::Initialize(TMainForm*) { DirectorCalls().push_back("Initialize"); }
void Director::ShowMainWindow() { DirectorCalls().push_back("ShowMainWindow"); }
void Director::HideMainWindow() { DirectorCalls().push_back("HideMainWindow"); }
void Director::RefreshControls() { DirectorCalls().push_back("RefreshControls"); }
void Director::OnSuspend() { DirectorCalls().push_back("OnSuspend"); }
void Director::OnResume() { DirectorCalls().push_back("OnResume"); }
void Director::OnRemoteWrite(uint32_t value) { DirectorCalls().push_back("OnRemoteWrite " + std::to_string(value)); }
void Director::OnRemoteCommand(uint32_t command) {
    DirectorCalls().push_back("OnRemoteCommand " + std::to_string(command));
}
