# corvana_embed(TARGET SYMBOL FILE): compiles FILE into TARGET as a function
#   std::string_view corvana::resources::SYMBOL()
# so data files stay readable in the tree and need no install step.
set(CORVANA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)

function(corvana_embed target symbol file)
  get_filename_component(abs ${file} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DSYMBOL=${symbol} -P ${CORVANA_EMBED_SCRIPT}
    DEPENDS ${abs} ${CORVANA_EMBED_SCRIPT}
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()

# corvana_text_names(TARGET NAMES TABLE): generates "resources/text_names.h",
# the enum class Text naming the rows of the language table TABLE as NAMES
# lists them. The header lives in an include folder of its own in the build
# tree, public to TARGET and whatever links it.
set(CORVANA_TEXT_NAMES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/text_names.cmake)

function(corvana_text_names target names table)
  get_filename_component(names ${names} ABSOLUTE)
  get_filename_component(table ${table} ABSOLUTE)
  set(root ${CMAKE_BINARY_DIR}/generated/${target})
  set(out ${root}/resources/text_names.h)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DNAMES=${names} -DTABLE=${table} -DOUT=${out} -P ${CORVANA_TEXT_NAMES_SCRIPT}
    DEPENDS ${names} ${table} ${CORVANA_TEXT_NAMES_SCRIPT}
    COMMENT "Naming the texts of ${table}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PUBLIC ${root})
endfunction()
