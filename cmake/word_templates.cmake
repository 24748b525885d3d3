# corvana_word_templates(TARGET DIR NAMES...): packs each folder DIR/<name>
# (the readable XML parts of a word-processor template) into
# ${CMAKE_BINARY_DIR}/resources/templates/<name>.dotx, a zip package, where
# the program and corvana-cli look for templates in the build tree; and
# installs them into share/corvana/templates.
function(corvana_word_templates target dir)
  set(outdir ${CMAKE_BINARY_DIR}/resources/templates)
  set(outputs)
  foreach(name ${ARGN})
    set(src ${dir}/${name})
    file(GLOB_RECURSE parts RELATIVE ${src} CONFIGURE_DEPENDS ${src}/*)
    list(SORT parts)
    # The content types first, as word processors expect.
    list(REMOVE_ITEM parts "[Content_Types].xml")
    list(PREPEND parts "[Content_Types].xml")
    set(deps)
    foreach(part ${parts})
      list(APPEND deps ${src}/${part})
    endforeach()
    set(out ${outdir}/${name}.dotx)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
      COMMAND ${CMAKE_COMMAND} -E rm -f ${out}
      COMMAND ${CMAKE_COMMAND} -E tar cf ${out} --format=zip -- ${parts}
      WORKING_DIRECTORY ${src}
      DEPENDS ${deps}
      COMMENT "Packing the word-processor template ${name}.dotx"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  install(FILES ${outputs} DESTINATION share/corvana/templates)
endfunction()
