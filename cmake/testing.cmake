# GoogleTest from Debian's sources, so the same suites build natively and for 32-bit Windows.
set(TRAZZLE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")

function(trazzle_use_gtest)
  if(TARGET gtest)
    return()
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  if(WIN32)
    # The win32-thread MinGW has no pthreads.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(${TRAZZLE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Our -Wall -Wextra is for our code, not theirs.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  if(WIN32)
    # GoogleTest 1.12 builds its thread start signal on std::mutex, which the win32-thread
    # MinGW lacks; every file that includes gtest gets a replacement first.
    target_compile_options(gtest PUBLIC -include ${PROJECT_SOURCE_DIR}/cmake/gtest_win32_notification.h)
  endif()
endfunction()

# trazzle_add_gtest(NAME SOURCES ... LIBRARIES ... [LOCK])
# Native builds register every test case with ctest; under Wine each binary is one ctest test,
# so the suite pays one Wine start per binary, not per case. LOCK serialises binaries that use
# global hooks or injected input, which every program of one Wine prefix would see.
function(trazzle_add_gtest name)
  cmake_parse_arguments(ARG "LOCK" "" "SOURCES;LIBRARIES" ${ARGN})
  trazzle_use_gtest()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest_main gtest)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    if(ARG_LOCK)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop_input)
    endif()
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)
  endif()
endfunction()
