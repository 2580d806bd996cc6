# Precompiled headers: every target with at least TQ_PCH_MIN_SOURCES source
# files compiles cmake/pch/tq_pch.h once with its own flags and uses it in all
# of its files (the generated moc file included), which spares most of the
# parsing of the Qt and standard headers.  Smaller targets build faster
# without: the header costs about as much as two of their files.  A PCH per target, not one shared: the sanitizer
# build optimises and instruments the libraries the fuzz targets exercise
# differently from the rest, and clang refuses a PCH built with other flags.
# TQ_PCH=OFF builds without them.
option(TQ_PCH "Precompiled headers for the Qt and standard headers" ON)
set(TQ_PCH_MIN_SOURCES 4 CACHE STRING "Source files a target needs to get a precompiled header")

function(tq_precompile_dir dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(sources ${t} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources n)
    if(NOT n LESS TQ_PCH_MIN_SOURCES)
      target_precompile_headers(${t} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch/tq_pch.h)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    tq_precompile_dir(${sub})
  endforeach()
endfunction()

if(TQ_PCH)
  tq_precompile_dir(${CMAKE_SOURCE_DIR})
endif()
