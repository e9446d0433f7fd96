# Shared target settings: include root, warnings, version.
function(quorvel_target_defaults target)
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}" "${PROJECT_BINARY_DIR}/generated")
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast
    -Wno-missing-field-initializers)
  if(QUORVEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# quorvel_library(<name> <dir> [RECURSE] [EXCLUDE <regex>] LINKS <libs...>)
# Builds every .cpp of <dir> into a static library.
function(quorvel_library name dir)
  cmake_parse_arguments(ARG "RECURSE" "EXCLUDE" "LINKS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  else()
    file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  endif()
  if(ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
  endif()
  if(NOT sources)
    # A folder whose code has not been written yet still takes part in the dependency graph.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LINKS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  quorvel_target_defaults(${name})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()
