# GoogleTest for both targets, and the helper that registers a test executable.
#
# Natively the distribution's prebuilt GoogleTest is used; for Windows its sources
# (Debian's googletest package) are cross-built with the suite.
include(CTest)
include(GoogleTest)

if(WIN32)
  set(SUITE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources for the Windows build")
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SUITE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # GoogleTest's own CMake files define the GTest:: names.
else()
  find_package(GTest REQUIRED)
endif()

# Seconds a single test may run. Under Wine, scripts/wine-exec stops a test a little
# earlier and prints the windows that were open, so a hang is explained, not just killed.
set(SUITE_TEST_TIMEOUT 120)

# suite_test(<target> SOURCES ... [LIBS ...] [GUI] [LOCK name ...])
# A GoogleTest executable. Core tests use GoogleTest's main; GUI tests (Windows only)
# use the watchdog main that fails a test showing an unexpected window.
# LOCK names the shared machine state the tests use, so that CTest never runs two users
# of the same state at once:
#   foreground      real mouse or keyboard input, or programs that take the foreground
#   side-bar-data   the side bar's files in AppData, Explorer-class windows
#   work-area       the desktop work area
#   clipboard, hklm-run, quenlock-debug-switch
function(suite_test target)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;LOCK" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/win32/manifest.rc)
  endif()
  suite_compile_options(${target})
  # GCC 12 reports strings inside tables of designated initialisers as maybe uninitialised.
  target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  if(ARG_GUI)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} win32_test_main GTest::gmock)
  else()
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  if(WIN32)
    target_link_options(${target} PRIVATE -static)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${target}_TESTS
    PROPERTIES TIMEOUT ${SUITE_TEST_TIMEOUT})
  if(ARG_LOCK)
    # A list cannot pass through gtest_discover_tests' PROPERTIES, so the locks are set by
    # a script CTest runs after the discovery script has named the tests.
    set(lock_script "${CMAKE_CURRENT_BINARY_DIR}/${target}_locks.cmake")
    file(WRITE "${lock_script}"
      "foreach(test IN LISTS ${target}_TESTS)\n"
      "  set_tests_properties(\"\${test}\" PROPERTIES RESOURCE_LOCK \"${ARG_LOCK}\")\n"
      "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${lock_script}")
  endif()
endfunction()
