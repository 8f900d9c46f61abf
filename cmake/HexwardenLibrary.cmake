# One static library per source folder, named hexwarden_<folder>, made of every .cpp file in it.
function(hexwarden_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(hexwarden_${name} STATIC ${sources})
    target_include_directories(hexwarden_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(hexwarden_${name} PUBLIC ${ARG_DEPENDS})
  else()
    # A folder without sources yet still gives its dependants a target to link.
    add_library(hexwarden_${name} INTERFACE)
    target_link_libraries(hexwarden_${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()
