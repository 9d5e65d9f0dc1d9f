#pragma once
// Where overclocking profiles live. The program and the dialog library both
// compute the folder this way and share nothing else: profiles cross between
// them only as files.

#include <string>

namespace kiln {

inline constexpr const char* kProfileFolderName = "ARVEX OC Profiles\\";
inline constexpr const char* kProfileExtension = ".oc";

// The all-users application-data folder + "\ARVEX OC Profiles\", or the
// relative "ARVEX OC Profiles\" when the shell cannot name that folder.
// Creates the profile folder's own level on every call; a failure (usually:
// it exists) is ignored. Always ends in a backslash.
std::string GetProfileFolder();
// The same for a given shell folder ("" for the relative fallback).
std::string MakeProfileFolder(const std::string& shellFolder);

// folder + name + ".oc": the name as typed, an ".oc" it already ends in
// included. Check the name with IsUsableProfileName first.
std::string ProfilePath(const std::string& folder, const std::string& name);

// The program's record of the settings it last replaced: a file of its own
// in the profile folder's parent, whose extension keeps it out of every
// profile list.
std::string SafetyRecordPath();

}  // namespace kiln
