# libjpeg: the system's libjpeg-turbo natively; for Windows, Debian's libjpeg-turbo
# source built once as a static library and cached in the build tree.
add_library(tessaro_libjpeg INTERFACE)

if(NOT WIN32)
  find_package(JPEG REQUIRED)
  target_link_libraries(tessaro_libjpeg INTERFACE JPEG::JPEG)
  return()
endif()

set(jpeg_root ${CMAKE_BINARY_DIR}/_deps/libjpeg)
set(jpeg_prefix ${jpeg_root}/install)
if(NOT EXISTS ${jpeg_prefix}/lib/libjpeg.a)
  message(STATUS "Building libjpeg-turbo for Windows (once per build tree)")
  execute_process(
    COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/build-libjpeg-win64.sh ${jpeg_root}
            ${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    RESULT_VARIABLE jpeg_result)
  if(NOT jpeg_result EQUAL 0 OR NOT EXISTS ${jpeg_prefix}/lib/libjpeg.a)
    message(FATAL_ERROR "libjpeg-turbo for Windows could not be built (see the output above)")
  endif()
endif()
target_include_directories(tessaro_libjpeg SYSTEM INTERFACE ${jpeg_prefix}/include)
target_link_libraries(tessaro_libjpeg INTERFACE ${jpeg_prefix}/lib/libjpeg.a)
