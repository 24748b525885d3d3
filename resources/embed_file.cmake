# Run with -DIN=file -DOUT=file.cpp -DSYMBOL=name; writes a byte array and its accessor.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}; edit the source file, not this one.\n"
  "#include <cstddef>\n#include <string_view>\n"
  "namespace corvana::resources {\n"
  "namespace { const unsigned char data[${size} + 1] = {\n${bytes}0x00};\n}\n"
  "std::string_view ${SYMBOL}() { return {reinterpret_cast<const char*>(data), ${size}}; }\n"
  "}\n")
