#pragma once
// Whether the board's firmware is of revision 3 or later. Older firmware
// cannot run beside the companion's window and needs no recalibration after
// an overclock. Asked until the firmware answers, then kept for the process.

bool FirmwareRevision3OrLater();
