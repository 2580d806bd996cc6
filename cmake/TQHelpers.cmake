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
