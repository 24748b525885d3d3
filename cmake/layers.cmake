# corvana_layer_root(TARGET FOLDER...): TARGET and whatever links it see the
# named source folders, and nothing else of this tree, as include roots.
#
# Each target gets a folder of its own in the build tree holding links to the
# folders it may include from; the folders of lower layers arrive through the
# link line. An include of a higher layer therefore fails to compile.
function(corvana_layer_root target)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    if(NOT EXISTS ${root}/${folder})
      get_filename_component(parent ${root}/${folder} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
