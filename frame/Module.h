#pragma once
#include <windows.h>

namespace frame {

// The module (program or DLL) this code is linked into: window classes are
// registered per module, so the program and a DLL that both carry the
// framework do not trip over each other's classes.
HINSTANCE ThisModule();

}  // namespace frame
