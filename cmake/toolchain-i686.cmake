# Cross build for 32-bit Windows, the shipped program: the maker's closed
# libraries it loads are 32-bit.
set(VELTRUNE_MINGW_PREFIX i686-w64-mingw32)
# Doubles in SSE registers, as in the 64-bit build: the x87 unit's extended
# precision would make truncated results (blending, value texts) differ
# between the two builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
