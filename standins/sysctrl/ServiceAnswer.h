#pragma once
// What the stand-in service answers to a request, and how it logs one.

#include "standins/sysctrl/ServiceOptions.h"

#include <string>
#include <vector>

// The settings-changed notice (0x80000000) gets the result word; the state
// query (0x80000001) gets the result, the state and the second value; any
// other request gets result 0. --reply-bytes then cuts or pads the answer.
std::vector<BYTE> BuildAnswer(const std::vector<BYTE>& request, const ServiceOptions& options);

// "<length>: <word> <word> ..." with each 32-bit little-endian word as eight
// hex digits; bytes after the last whole word follow as two hex digits each.
std::string FormatRequest(const std::vector<BYTE>& request);
