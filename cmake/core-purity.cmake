# The core must build without any window system: fail the build when a core file
# reaches for <windows.h> (or any other Win32 header).
add_custom_target(tessaro_core_purity
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check-core-purity.cmake
  COMMENT "Checking that the core includes no Win32 header")
