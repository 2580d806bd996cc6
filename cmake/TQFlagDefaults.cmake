# Default flags of the build types, read by CMake after its own compiler
# defaults (CMAKE_USER_MAKE_RULES_OVERRIDE); values given on the command
# line or in the cache still win.  Release optimises as RelWithDebInfo does
# (-O2): -O3 made the whole build about a quarter slower to compile and
# brought the catalogue nothing measurable.
set(CMAKE_C_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
