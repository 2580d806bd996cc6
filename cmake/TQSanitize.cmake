# Checking builds (./dev sanitize): clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, every report fatal; the tests and the fuzz
# targets of tests/fuzz link the same libraries, and the libraries a fuzz
# target exercises are also instrumented for libFuzzer's coverage
# (tq_add_fuzzer).  Build type "Sanitize": light optimisation and line
# tables only, enough for readable reports.
option(TQ_SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and fuzzing coverage (clang only)" OFF)

set(CMAKE_C_FLAGS_SANITIZE "-O1 -gline-tables-only" CACHE STRING "C flags of the Sanitize build type")
set(CMAKE_CXX_FLAGS_SANITIZE "-O1 -gline-tables-only" CACHE STRING "C++ flags of the Sanitize build type")
set(CMAKE_EXE_LINKER_FLAGS_SANITIZE "" CACHE STRING "Linker flags of the Sanitize build type")
set(CMAKE_SHARED_LINKER_FLAGS_SANITIZE "" CACHE STRING "Linker flags of the Sanitize build type")
mark_as_advanced(CMAKE_C_FLAGS_SANITIZE CMAKE_CXX_FLAGS_SANITIZE CMAKE_EXE_LINKER_FLAGS_SANITIZE
                 CMAKE_SHARED_LINKER_FLAGS_SANITIZE)

if(TQ_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TQ_SANITIZE needs clang (libFuzzer); configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# tq_check: every test and fuzz program (and, through their dependencies,
# the programs the tests run), for builds that only check.
add_custom_target(tq_check)
