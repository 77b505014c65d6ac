include(GoogleTest)

# tessaro_add_gtest(NAME SOURCES... [LIBS libs...])
# Natively every test case is its own CTest test. Under Wine the whole executable is
# one CTest test: one Wine process per case would cost more than the cases themselves.
function(tessaro_add_gtest name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_compile_options(${name} PRIVATE ${TESSARO_WARNINGS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} gmock gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
