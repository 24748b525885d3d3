# Run with -DNAMES=text_names.txt -DTABLE=language_table.txt -DOUT=text_names.h;
# writes enum class Text with one enumerator per "row<TAB>Name" line of NAMES,
# each commented with the row's English text. Stops the build on a malformed
# line, a row the table lacks, rows out of order or a name given twice.
file(READ ${TABLE} table)
set(table "\n${table}")
file(READ ${NAMES} names)
get_filename_component(names_file ${NAMES} NAME)
get_filename_component(table_file ${TABLE} NAME)

set(body "")
set(previous -1)
set(seen "")
set(number 0)
# Line by line without CMake lists: a comment may hold ';' or brackets.
while(NOT names STREQUAL "")
  math(EXPR number "${number} + 1")
  string(FIND "${names}" "\n" eol)
  if(eol EQUAL -1)
    set(line "${names}")
    set(names "")
  else()
    string(SUBSTRING "${names}" 0 ${eol} line)
    math(EXPR eol "${eol} + 1")
    string(SUBSTRING "${names}" ${eol} -1 names)
  endif()
  string(REGEX REPLACE "\r$" "" line "${line}")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+)\t([A-Z][A-Za-z0-9]*)$")
    message(FATAL_ERROR "${names_file}:${number}: not \"row<TAB>Name\": ${line}")
  endif()
  set(row ${CMAKE_MATCH_1})
  set(name ${CMAKE_MATCH_2})
  if(NOT row GREATER previous)
    message(FATAL_ERROR "${names_file}:${number}: row ${row} after row ${previous}; rows ascend, once each")
  endif()
  if(" ${seen} " MATCHES " ${name} ")
    message(FATAL_ERROR "${names_file}:${number}: ${name} names two rows")
  endif()
  if(NOT table MATCHES "\n${row}\t([^\t\r\n]*)")
    message(FATAL_ERROR "${names_file}:${number}: row ${row} is not in ${table_file}")
  endif()
  string(APPEND body "  ${name} = ${row},  // \"${CMAKE_MATCH_1}\"\n")
  string(APPEND seen " ${name}")
  set(previous ${row})
endwhile()

file(WRITE ${OUT}
  "// Generated from resources/${names_file} and resources/${table_file}; edit those.\n"
  "#pragma once\n\n"
  "namespace corvana {\n\n"
  "// The language-table rows the program names; each comment is the row's English text.\n"
  "enum class Text : int {\n"
  "${body}"
  "};\n\n"
  "}  // namespace corvana\n")
