#include "frame/Module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace frame {

HINSTANCE ThisModule() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

}  // namespace frame
