#pragma once
// Whether the board's firmware is of revision 3 or later. Older firmware
// cannot run beside the companion's window and needs no recalibration after
// an overclock. Asked once per process.

bool FirmwareRevision3OrLater();
