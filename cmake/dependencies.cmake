# The libraries the build takes from the system. A cross build finds only mingw-w64's zlib
# among Debian's packages (and must not put /usr/include on its include path): it builds
# GoogleTest from Debian's sources and takes the header-only CLI11 and stb through a
# folder of its own that holds only them.

if(CMAKE_CROSSCOMPILING)
  set(vestara_headers ${PROJECT_BINARY_DIR}/header-libraries)
  foreach(header IN ITEMS CLI stb)
    if(NOT EXISTS /usr/include/${header})
      message(FATAL_ERROR "/usr/include/${header} is missing: run tools/ensure-packages")
    endif()
    file(MAKE_DIRECTORY ${vestara_headers})
    file(CREATE_LINK /usr/include/${header} ${vestara_headers}/${header} SYMBOLIC)
  endforeach()
  add_library(vestara_header_libraries INTERFACE)
  target_include_directories(vestara_header_libraries SYSTEM INTERFACE ${vestara_headers})
  add_library(CLI11::CLI11 ALIAS vestara_header_libraries)
  add_library(vestara::stb ALIAS vestara_header_libraries)
else()
  find_package(CLI11 CONFIG REQUIRED)
  add_library(vestara_stb INTERFACE)
  add_library(vestara::stb ALIAS vestara_stb)
endif()

# zlib for the PNG writer. Linked statically into the Windows programs, which must need
# no DLL beyond Windows' own.
if(CMAKE_CROSSCOMPILING)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

if(BUILD_TESTING)
  enable_testing()
  if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
endif()

# Registers a GoogleTest executable with CTest: natively one test per test case; in a
# cross build one test per executable, since every start of the emulator costs time.
function(vestara_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target})
  endif()
endfunction()
