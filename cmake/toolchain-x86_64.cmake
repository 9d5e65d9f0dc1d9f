# Cross build for 64-bit Windows from the same tree, for machines that can
# only run 64-bit programs (and so only 64-bit Wine).
set(VELTRUNE_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
