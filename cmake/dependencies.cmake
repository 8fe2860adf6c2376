# The libraries the build takes from the system. A cross build finds only mingw-w64's zlib
# among Debian's packages (and must not put /usr/include on its include path): it builds
# GoogleTest from Debian's sources and takes the header-only CLI11 and stb through a
# folder of its own that holds only them.

# stb (Debian's libstb-dev) writes the BMP files; the tests also read pictures with it.
# Header-only, so a cross build takes the host's headers too.
find_path(VESTARA_STB_INCLUDE_DIR stb/stb_image_write.h NO_CMAKE_FIND_ROOT_PATH)
if(NOT VESTARA_STB_INCLUDE_DIR)
  message(FATAL_ERROR "stb/stb_image_write.h not found: install Debian's libstb-dev (or point "
                      "VESTARA_STB_INCLUDE_DIR at the folder that holds stb/)")
endif()

if(CMAKE_CROSSCOMPILING)
  set(vestara_headers ${PROJECT_BINARY_DIR}/header-libraries)
  file(MAKE_DIRECTORY ${vestara_headers})
  file(CREATE_LINK ${VESTARA_STB_INCLUDE_DIR}/stb ${vestara_headers}/stb SYMBOLIC)
  if(NOT EXISTS /usr/include/CLI)
    message(FATAL_ERROR "/usr/include/CLI is missing: run tools/ensure-packages")
  endif()
  file(CREATE_LINK /usr/include/CLI ${vestara_headers}/CLI SYMBOLIC)
  add_library(vestara_header_libraries INTERFACE)
  target_include_directories(vestara_header_libraries SYSTEM INTERFACE ${vestara_headers})
  add_library(CLI11::CLI11 ALIAS vestara_header_libraries)
  add_library(vestara::stb ALIAS vestara_header_libraries)
else()
  find_package(CLI11 CONFIG REQUIRED)
  add_library(vestara_stb INTERFACE)
  if(NOT VESTARA_STB_INCLUDE_DIR STREQUAL "/usr/include")
    target_include_directories(vestara_stb SYSTEM INTERFACE ${VESTARA_STB_INCLUDE_DIR})
  endif()
  add_library(vestara::stb ALIAS vestara_stb)
endif()

# zlib for the PNG writer. Linked statically into the Windows programs, which must need
# no DLL beyond Windows' own.
if(CMAKE_CROSSCOMPILING)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

# Packagers switch the test and benchmark libraries off explicitly; with tests off there is
# nothing to switch, which is no reason for CMake to warn about the switches.
if(NOT VESTARA_TESTS OR NOT VESTARA_BENCH)
  set(vestara_switched_off ${CMAKE_DISABLE_FIND_PACKAGE_GTest} ${CMAKE_DISABLE_FIND_PACKAGE_benchmark})
endif()

if(VESTARA_TESTS)
  enable_testing()
  if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
  # Programs some tests drive or read back with (ImageMagick's among them), looked up in
  # PATH only; a test whose program is missing is reported as skipped, with the reason,
  # instead of failing.
  foreach(program IN ITEMS xvfb-run xdotool xclip import identify mogrify wine)
    find_program(VESTARA_PROGRAM_${program} ${program} NO_CMAKE_PATH NO_CMAKE_ENVIRONMENT_PATH
                 NO_CMAKE_SYSTEM_PATH)
  endforeach()
endif()

# The exit status of a test that reports itself skipped.
set(VESTARA_SKIP_CODE 77)

# The missing ones of `programs`, as "a, b", in `out`.
function(vestara_missing_programs out)
  set(missing)
  foreach(program IN LISTS ARGN)
    if(NOT VESTARA_PROGRAM_${program})
      list(APPEND missing ${program})
    endif()
  endforeach()
  list(JOIN missing ", " missing)
  set(${out} "${missing}" PARENT_SCOPE)
endfunction()

# A test that only says it is skipped, and why.
function(vestara_add_skipped_test name reason)
  add_test(NAME ${name} COMMAND sh -c "echo 'skipped: ${reason}'; exit ${VESTARA_SKIP_CODE}")
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE ${VESTARA_SKIP_CODE})
endfunction()

# vestara_add_tool_test(<name> NEEDS <program>... COMMAND <command>...): a test of ours that
# drives the programs it needs from PATH. Skipped, saying which are missing, where they
# were not found when the tree was configured or are not in PATH when it runs.
function(vestara_add_tool_test name)
  cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "NEEDS;COMMAND")
  vestara_missing_programs(missing ${tool_NEEDS})
  if(missing)
    vestara_add_skipped_test(${name} "${missing} not found")
    return()
  endif()
  list(JOIN tool_NEEDS " " needs)
  add_test(NAME ${name}
           COMMAND sh -c "for p in ${needs}; do command -v \"$p\" >/dev/null || \
{ echo \"skipped: $p not found\"; exit ${VESTARA_SKIP_CODE}; }; done; exec \"$@\""
                   ${name} ${tool_COMMAND})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE ${VESTARA_SKIP_CODE})
endfunction()

# Registers a GoogleTest executable with CTest: natively one test per test case; in a
# cross build one test per executable, since every start of the emulator costs time, and
# none that can run where Wine is missing.
function(vestara_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    vestara_missing_programs(missing wine)
    if(missing)
      vestara_add_skipped_test(${target} "wine not found")
    else()
      add_test(NAME ${target} COMMAND ${target})
    endif()
  else()
    gtest_discover_tests(${target})
  endif()
endfunction()
