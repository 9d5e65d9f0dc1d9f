#include "frame/DCScope.h"

#include "base/Handles.h"

namespace frame {

HDC ScreenMeasureDC() {
    static const base::MemoryDC dc(CreateCompatibleDC(nullptr));
    return dc.Get();
}

}  // namespace frame
