# Writes a C++ source holding the bytes of one file as a const array, so the
# program carries the picture in its own data.
#
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P EmbedAsset.cmake
#
# The source defines cashvane::assets::<SYMBOL> and <SYMBOL>Size.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
    message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes to a line keeps the generated file readable.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} by EmbedAsset.cmake; do not edit.
#include <cstddef>

namespace cashvane::assets {

extern const unsigned char ${SYMBOL}[];
extern const std::size_t ${SYMBOL}Size;

const unsigned char ${SYMBOL}[] = {
    ${bytes}
};
const std::size_t ${SYMBOL}Size = sizeof ${SYMBOL};

} // namespace cashvane::assets
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
