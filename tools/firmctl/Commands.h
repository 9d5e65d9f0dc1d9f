#pragma once
// The commands of firmctl; each returns the process exit code. Arguments are
// the words after the command name.

namespace firmctl {

int ListItems(int argc, char** argv);
int ShowSteps(int argc, char** argv);
int GetItem(int argc, char** argv);
int SetItem(int argc, char** argv);
int ListProfiles(int argc, char** argv);
int ResetBoard(int argc, char** argv);

}  // namespace firmctl
