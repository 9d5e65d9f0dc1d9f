#pragma once
// Which files are profiles, what each is called, and which typed names may
// become file names at all.

#include <string>
#include <vector>

namespace kiln {

// The text from the last "." of the path on equals ".oc", letters A-Z
// compared without case.
bool IsProfileFile(const std::string& path);
// The file name (after the last "\" or ":") without its last extension:
// "C:\P\a.b.oc" is "a.b", "C:\P\.oc" is "".
std::string ProfileNameOf(const std::string& path);
// The profile names of the folder's files, in the order the file system
// lists them; a folder that cannot be listed gives none.
std::vector<std::string> ListProfileNames(const std::string& folder);

// A name may name a file in the profile folder and nothing outside it: not
// empty, no path separator, drive colon or other character that Windows
// refuses in file names, not only dots, and not a device name such as CON
// or COM1 (which Windows opens as the device, whatever extension follows).
bool IsUsableProfileName(const std::string& name);

}  // namespace kiln
