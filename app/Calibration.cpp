#include "app/Calibration.h"

#include "kiln/System/WinRegistry.h"

void MarkCalibrationNeeded() {
    kiln::RegAccessor key;
    if (key.Open(HKEY_LOCAL_MACHINE, "Software\\ARVEX\\Ecolift3\\Advance", true)) key.SetDWORD("CalibrationNeeded", 1);
}
