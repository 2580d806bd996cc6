include(GoogleTest)

# tq_add_gtest(NAME <name> SOURCES <files...> LIBS <libs...> [GUI])
# Builds one test executable with the shared Qt-aware test main and registers
# its cases with CTest on the offscreen platform.
function(tq_add_gtest)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE tq_testmain_gui)
  else()
    target_link_libraries(${T_NAME} PRIVATE tq_testmain_core)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TQ_SOURCE_DIR=${CMAKE_SOURCE_DIR};TQ_BINARY_DIR=${CMAKE_BINARY_DIR}"
               TIMEOUT ${T_TIMEOUT} ${T_PROPERTIES})
  add_dependencies(tq_check ${T_NAME})
endfunction()

# tq_add_fuzzer(NAME <name> SOURCES <files...> LIBS <libs...> [COVERAGE <libs...>])
# Builds the fuzz target fuzz_<name> from sources that define
# LLVMFuzzerTestOneInput (and optionally LLVMFuzzerInitialize), with its seed
# corpus in corpus/<name>/ and optionally a dictionary <name>.dict beside the
# calling CMakeLists.txt.  The libraries of LIBS and COVERAGE (the ones below
# them that the target exercises) get libFuzzer's coverage instrumentation
# and the optimisation TQ_FUZZ_OPTIMIZE (-O1), which doubles the executions.  In a sanitizer build (TQ_SANITIZE, clang) it is a
# libFuzzer program that ./dev sanitize runs; in any other build a small main
# replays the files given to it.  Either way CTest replays the seed corpus
# (test Fuzz.<name>.Corpus), so every input kept there, regressions
# included, runs with the rest of the suite.
function(tq_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS;COVERAGE" ${ARGN})
  set(target fuzz_${F_NAME})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${F_NAME})
  set(dict ${CMAKE_CURRENT_SOURCE_DIR}/${F_NAME}.dict)
  if(TQ_SANITIZE)
    add_executable(${target} ${F_SOURCES})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    foreach(lib ${F_LIBS} ${F_COVERAGE})
      target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link ${TQ_FUZZ_OPTIMIZE})
    endforeach()
    set(replay -runs=0 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${F_NAME}- ${corpus})
  else()
    add_executable(${target} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz/support/replay_main.cpp)
    set(replay ${corpus})
  endif()
  target_link_libraries(${target} PRIVATE tq_fuzz_support ${F_LIBS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_test(NAME Fuzz.${F_NAME}.Corpus COMMAND ${target} ${replay})
  set_tests_properties(Fuzz.${F_NAME}.Corpus PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TQ_SOURCE_DIR=${CMAKE_SOURCE_DIR};TQ_BINARY_DIR=${CMAKE_BINARY_DIR}")
  add_dependencies(tq_check ${target})
  # The list ./dev sanitize runs: program, seed corpus, dictionary.
  if(NOT EXISTS ${dict})
    set(dict "")
  endif()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}.fuzz
       CONTENT "$<TARGET_FILE:${target}>\n${corpus}\n${dict}\n")
endfunction()

# tq_add_subdirs(): adds every subfolder of the current folder that has a
# CMakeLists.txt (used by folders whose parts are built by different people).
macro(tq_add_subdirs)
  file(GLOB _tq_dirs CONFIGURE_DEPENDS LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_tq_dir ${_tq_dirs})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_tq_dir} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_tq_dir}/CMakeLists.txt)
      add_subdirectory(${_tq_dir})
    endif()
  endforeach()
endmacro()
