# Checking builds (./dev sanitize): clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, every report fatal; the tests and the fuzz
# targets of tests/fuzz link the same libraries, and the libraries a fuzz
# target exercises are also instrumented for libFuzzer's coverage
# (tq_add_fuzzer).  Build type "Sanitize": line tables only, enough for
# readable reports.
option(TQ_SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and fuzzing coverage (clang only)" OFF)

# project() leaves the flags of an unknown build type empty in the cache;
# empty ones get these values, set ones are kept.  No optimisation keeps the
# build short (CI builds it on every run); the libraries a fuzz target
# exercises are optimised by tq_add_fuzzer, where speed pays.
foreach(_tq_lang C CXX)
  if(NOT CMAKE_${_tq_lang}_FLAGS_SANITIZE)
    set(CMAKE_${_tq_lang}_FLAGS_SANITIZE "-O0 -gline-tables-only" CACHE STRING
        "${_tq_lang} flags of the Sanitize build type" FORCE)
  endif()
endforeach()

set(TQ_FUZZ_OPTIMIZE "-O1" CACHE STRING "Optimisation of the libraries fuzz targets exercise (sanitizer builds)")

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
