# Native x86-32 ELF build with Debian's clang, for the fuzz targets: the
# fuzzing engine and its sanitizers come with clang alone. Same ABI and
# libraries as linux-i386.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/linux-i386.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_ASM_COMPILER clang)
