# Each folder of the library is a layer with its own object library. A layer sees only its own
# folder and the layers it links: its include root is a staging folder in the build tree that
# holds one symbolic link, named after the folder, to the folder itself. The source tree's src/
# is never on an include path, so an include of a layer above fails to compile.

# Makes TARGET see FOLDER (a path below the source tree) as "<name of FOLDER>/...".
function(velloway_expose target folder scope)
  get_filename_component(name "${folder}" NAME)
  set(stage "${PROJECT_BINARY_DIR}/include-roots/${name}")
  file(MAKE_DIRECTORY "${stage}")
  if(NOT EXISTS "${stage}/${name}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${stage}/${name}" SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${stage}>)
endfunction()

# Every symbol is hidden unless include/velloway/ marks it VELLOWAY_API.
# velloway_layer(NAME [BELOW layer...]): the object library velloway_NAME of src/NAME, linking
# the layers below it. The sources are added by the folder's own CMakeLists.txt.
function(velloway_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "BELOW")
  set(target velloway_${name})
  add_library(${target} OBJECT)
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  velloway_expose(${target} src/${name} PUBLIC)
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>)
  target_link_libraries(${target} PRIVATE velloway_build_flags)
  foreach(below IN LISTS arg_BELOW)
    target_link_libraries(${target} PUBLIC velloway_${below})
  endforeach()
endfunction()
