# Included from the top level: the generated sources must live in the
# directory that defines corvana_core.
corvana_embed(corvana_core weights10nmCsv ${CMAKE_CURRENT_LIST_DIR}/weights_10nm.csv)
corvana_embed(corvana_core weights5nmCsv ${CMAKE_CURRENT_LIST_DIR}/weights_5nm.csv)
corvana_embed(corvana_core languageTableText ${CMAKE_CURRENT_LIST_DIR}/language_table.txt)
