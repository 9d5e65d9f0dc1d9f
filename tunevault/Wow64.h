#pragma once
// Whether this process is a 32-bit one on 64-bit Windows. The system
// function is looked up when the library loads; where the system lacks it
// the answer is no.

namespace tunevault {

bool RunsUnderWow64();

}  // namespace tunevault
