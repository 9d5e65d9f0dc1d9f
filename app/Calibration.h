#pragma once
// After an overclock on newer firmware the companion program recalibrates
// its power plans; it learns that it should from this registry value.
// Veltrune only ever sets it.

// Sets "CalibrationNeeded" = 1 under the local machine's
// "Software\ARVEX\Ecolift3\Advance"; silent when the registry refuses.
void MarkCalibrationNeeded();
