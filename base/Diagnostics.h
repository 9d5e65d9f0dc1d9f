#pragma once
// Reporting (base/Reporting.h) with the Windows headers, for callers that
// pass message box flags such as MB_YESNO.

#include <windows.h>

#include "base/Reporting.h"
