# The rooms of src/: each folder is one static library that may include only its own
# headers and those of the rooms it links. A room's headers are reached through a folder in
# the build tree that holds, for each of them, a header that includes the real one, so an
# include of a room the library does not link fails to compile instead of slipping
# through src/.

# Our own warnings, applied to our targets only (a parent project's are its own business).
add_library(vestara_warnings INTERFACE)
target_compile_options(vestara_warnings INTERFACE -Wall -Wextra
                                                  $<$<BOOL:${VESTARA_WERROR}>:-Werror>)

# vestara_expose_headers(<target> <PUBLIC|PRIVATE> <folder>...): the headers directly in each
# src/<folder> become includable by <target> (and, when PUBLIC, its users) as "<folder>/x.h".
function(vestara_expose_headers target scope)
  set(forwards ${PROJECT_BINARY_DIR}/rooms/${target})
  foreach(folder IN LISTS ARGN)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CONFIGURE OUTPUT ${forwards}/${folder}/${name} CONTENT "#include \"${header}\"\n")
    endforeach()
  endforeach()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${forwards}>)
endfunction()

# vestara_add_room(<target> FOLDERS <folder>... SOURCES <file>... [USES <target>...]
#                  [PRIVATE_USES <target>...]): the library of a room. USES are the rooms (and
# libraries) its headers need; PRIVATE_USES those only its sources need.
function(vestara_add_room target)
  cmake_parse_arguments(PARSE_ARGV 1 room "" "" "FOLDERS;SOURCES;USES;PRIVATE_USES")
  add_library(${target} STATIC ${room_SOURCES})
  vestara_expose_headers(${target} PUBLIC ${room_FOLDERS})
  target_link_libraries(${target} PUBLIC ${room_USES} PRIVATE vestara_warnings ${room_PRIVATE_USES})
endfunction()
