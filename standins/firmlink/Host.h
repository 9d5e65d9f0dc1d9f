#pragma once
// What the library takes from and tells the process it is loaded into: its
// environment, and problems that whoever runs the process must notice.

#include <string>

namespace firmsim {

// The variable's value; empty when it is unset or too long to be a path.
std::string Environment(const char* name);

// Debugger output, standard error, and a message box unless FIRMLINK_QUIET
// is set: for problems a person has to act on.
void ReportProblem(const std::string& message);

// Debugger output and standard error only: for problems met while other
// processes wait on the machine's lock, where no one may be kept waiting
// for a click.
void LogProblem(const std::string& message);

}  // namespace firmsim
