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
if(NOT BUILD_TESTING OR NOT VESTARA_BENCH)
  set(vestara_switched_off ${CMAKE_DISABLE_FIND_PACKAGE_GTest} ${CMAKE_DISABLE_FIND_PACKAGE_benchmark})
endif()

if(BUILD_TESTING)
  enable_testing()
  if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
  # Programs some tests drive or read back with (ImageMagick's among them); a test whose
  # program is missing is reported as skipped, with the reason, instead of failing.
  foreach(program IN ITEMS xvfb-run xdotool import identify mogrify wine)
    find_program(VESTARA_PROGRAM_${program} ${program})
  endforeach()
endif()

# The exit status of a test that reports itself skipped.
set(VESTARA_SKIP_CODE 77)

# vestara_add_tool_test(<name> NEEDS <program>... COMMAND <command>...): a test that runs
# only where the programs it needs were found; elsewhere it says which are missing and
# counts as skipped.
function(vestara_add_tool_test name)
  cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "NEEDS;COMMAND")
  set(missing)
  foreach(program IN LISTS tool_NEEDS)
    if(NOT VESTARA_PROGRAM_${program})
      list(APPEND missing ${program})
    endif()
  endforeach()
  if(missing)
    list(JOIN missing ", " missing)
    add_test(NAME ${name}
             COMMAND sh -c "echo 'skipped: ${missing} not found'; exit ${VESTARA_SKIP_CODE}")
  else()
    add_test(NAME ${name} COMMAND ${tool_COMMAND})
  endif()
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE ${VESTARA_SKIP_CODE})
endfunction()

# Registers a GoogleTest executable with CTest: natively one test per test case; in a
# cross build one test per executable, since every start of the emulator costs time, and
# none that can run where Wine is missing.
function(vestara_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    vestara_add_tool_test(${target} NEEDS wine COMMAND ${target})
  else()
    gtest_discover_tests(${target})
  endif()
endfunction()
