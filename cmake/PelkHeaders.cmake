# pelk_export_headers(<target> [INTERFACE])
# Lets the targets that link <target> include its headers, and no other
# header of src/, as "<folder>/<name>.h": each header listed in the target's
# sources gets a forwarding header under build/include/<target>/, and that
# folder is the target's one include root. A wrong-way include (a tool's
# header from another tool, a tool's from the host) then does not compile.
function(pelk_export_headers target)
  cmake_parse_arguments(ARG "INTERFACE" "" "" ${ARGN})
  set(root "${CMAKE_BINARY_DIR}/include/${target}")
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE OUTPUT_VARIABLE header)
    cmake_path(RELATIVE_PATH header BASE_DIRECTORY "${CMAKE_SOURCE_DIR}/src" OUTPUT_VARIABLE name)
    set(forward "${root}/${name}")
    cmake_path(GET forward PARENT_PATH folder)
    # Relative, so the build tree can move and the compiler cache still hits.
    file(RELATIVE_PATH target_header "${folder}" "${header}")
    file(CONFIGURE OUTPUT "${forward}" CONTENT "#include \"${target_header}\"\n")
  endforeach()
  if(ARG_INTERFACE)
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()
