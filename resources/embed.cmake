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
