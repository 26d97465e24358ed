# Writes a C++ source that holds a file's bytes exactly, as an array and its size:
#   cmake -DIN=file -DOUT=source.cpp -DNAME=kSymbol -P embed_file.cmake
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# 16 bytes a line.
string(REPEAT "[0-9a-f]" 32 line)
string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(from "${IN}" NAME)
file(WRITE "${OUT}.tmp"
  "// Generated from ${from} by embed_file.cmake; not to be edited.\n"
  "#include <cstddef>\n\n"
  "namespace sazbar::cli {\n\n"
  "extern const unsigned char ${NAME}[] = {\n${bytes}0};\n"
  "extern const std::size_t ${NAME}Size = ${size};\n\n"
  "}  // namespace sazbar::cli\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
