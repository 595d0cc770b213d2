# Writes a C++ source that holds the bytes of INPUT as the array NAME, so
# that the program carries the file inside itself and reads nothing at run time.
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
"// Made at build time from ${FILENAME}.\n#include <cstddef>\n\nextern const unsigned char ${NAME}[];\nextern const std::size_t ${NAME}Size;\n\nconst unsigned char ${NAME}[] = {\n    ${bytes}\n};\nconst std::size_t ${NAME}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
