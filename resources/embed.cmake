# Writes OUT_DIR/SYMBOL.{h,cpp} holding the bytes of the file IN.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(MAKE_DIRECTORY ${OUT_DIR})
file(WRITE ${OUT_DIR}/${SYMBOL}.h "#pragma once\nextern const unsigned char ${SYMBOL}[];\nextern const unsigned long ${SYMBOL}_size;\n")
file(WRITE ${OUT_DIR}/${SYMBOL}.cpp "#include \"${SYMBOL}.h\"\nconst unsigned char ${SYMBOL}[] = {\n${bytes}\n};\nconst unsigned long ${SYMBOL}_size = ${size};\n")
