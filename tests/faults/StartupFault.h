#pragma once
// The fault a run of the suite starts the program under: FAULTS_STARTUP
// holds "ordinal:mode:parameter:seed" (see FaultCase). It is injected before
// the program's start-up runs in the test process, on a freshly loaded board
// that this process has not initialised, with every message box recorded and
// every firmware call journalled from the first one on.

#include "tests/faults/FaultCase.h"

#include <string>
#include <vector>

namespace faultstest {

// False when the run names no start-up fault.
bool StartupFault(FaultCase& fault);
// Called from main() before the tests (and with them the start-up) run.
void InjectStartupFault();
// What start-up showed, "caption: text", and its journal lines.
const std::vector<std::string>& StartupMessages();
std::vector<std::string> StartupJournal();

}  // namespace faultstest
