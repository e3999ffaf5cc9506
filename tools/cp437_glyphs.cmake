# Makes the C++ table of the PC's character set, code page 437, in cells of
# 8 x 8, 8 x 14 and 8 x 16 pixels, from the public-domain VGA console fonts
# of Debian's console-setup-linux. Each code's glyph is found through a
# font's Unicode table: the code's character (or its stand-in: a filled
# triangle for the pointers 16 and 17) in the first font of that height
# that has a glyph with ink for it (some fonts keep a blank glyph for a
# character they lack). The block elements (219 to 223) are the exact
# whole, halves of their cell, as they tile: the fonts draw some of them a
# row short. The few characters no 8- or 14-row font has (158, 169, 236,
# 239, 240) are made from the 16-row glyph: 14 rows by leaving out its
# first and last (blank in those glyphs), 8 rows by joining its rows two by
# two, so that no stroke is lost.
#
#   cmake -DFONT_DIR=/usr/share/consolefonts -DWORK_DIR=dir -DOUTPUT=file.cpp -P cp437_glyphs.cmake
cmake_minimum_required(VERSION 3.25)

# Code page 437 in Unicode: the PC showed 1-31 and 127 as symbols too.
set(Cp437
  0000 263A 263B 2665 2666 2663 2660 2022 25D8 25CB 25D9 2642 2640 266A 266B 263C
  25BA 25C4 2195 203C 00B6 00A7 25AC 21A8 2191 2193 2192 2190 221F 2194 25B2 25BC
  0020 0021 0022 0023 0024 0025 0026 0027 0028 0029 002A 002B 002C 002D 002E 002F
  0030 0031 0032 0033 0034 0035 0036 0037 0038 0039 003A 003B 003C 003D 003E 003F
  0040 0041 0042 0043 0044 0045 0046 0047 0048 0049 004A 004B 004C 004D 004E 004F
  0050 0051 0052 0053 0054 0055 0056 0057 0058 0059 005A 005B 005C 005D 005E 005F
  0060 0061 0062 0063 0064 0065 0066 0067 0068 0069 006A 006B 006C 006D 006E 006F
  0070 0071 0072 0073 0074 0075 0076 0077 0078 0079 007A 007B 007C 007D 007E 2302
  00C7 00FC 00E9 00E2 00E4 00E0 00E5 00E7 00EA 00EB 00E8 00EF 00EE 00EC 00C4 00C5
  00C9 00E6 00C6 00F4 00F6 00F2 00FB 00F9 00FF 00D6 00DC 00A2 00A3 00A5 20A7 0192
  00E1 00ED 00F3 00FA 00F1 00D1 00AA 00BA 00BF 2310 00AC 00BD 00BC 00A1 00AB 00BB
  2591 2592 2593 2502 2524 2561 2562 2556 2555 2563 2551 2557 255D 255C 255B 2510
  2514 2534 252C 251C 2500 253C 255E 255F 255A 2554 2569 2566 2560 2550 256C 2567
  2568 2564 2565 2559 2558 2552 2553 256B 256A 2518 250C 2588 2584 258C 2590 2580
  03B1 00DF 0393 03C0 03A3 03C3 00B5 03C4 03A6 0398 03A9 03B4 221E 03C6 03B5 2229
  2261 00B1 2265 2264 2320 2321 00F7 2248 00B0 2219 00B7 221A 207F 00B2 25A0 00A0)
# Stand-ins where a font draws the same shape under another code.
set(StandIn_25BA 25B6)
set(StandIn_25C4 25C0)

# Reads a PSF 1 font (gzipped): its rows per glyph into ${font}_HEIGHT, its
# glyphs as hex into ${font}_HEX, and ${font}_U_<code> = glyph for each
# Unicode character of its table.
macro(read_font font path)
  execute_process(COMMAND gzip -dc "${path}" OUTPUT_FILE "${WORK_DIR}/${font}.psf" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot unpack ${path}: install console-setup-linux (tools/setup.sh)")
  endif()
  file(READ "${WORK_DIR}/${font}.psf" data HEX)
  string(SUBSTRING "${data}" 0 4 magic)
  if(NOT magic STREQUAL "3604")
    message(FATAL_ERROR "${path} is not a PSF 1 font")
  endif()
  string(SUBSTRING "${data}" 4 2 mode)
  string(SUBSTRING "${data}" 6 2 height)
  math(EXPR mode "0x${mode}")
  math(EXPR ${font}_HEIGHT "0x${height}")
  math(EXPR count "256 + (${mode} & 1) * 256")
  math(EXPR glyph_hex "${count} * ${${font}_HEIGHT} * 2")
  string(SUBSTRING "${data}" 8 ${glyph_hex} ${font}_HEX)
  if(NOT (mode EQUAL 2 OR mode EQUAL 3))
    message(FATAL_ERROR "${path} has no Unicode table")
  endif()
  math(EXPR at "8 + ${glyph_hex}")
  string(LENGTH "${data}" length)
  set(glyph 0)
  set(in_sequence FALSE)
  while(at LESS length AND glyph LESS count)
    string(SUBSTRING "${data}" ${at} 4 word)
    math(EXPR at "${at} + 4")
    string(SUBSTRING "${word}" 2 2 high)
    string(SUBSTRING "${word}" 0 2 low)
    string(TOUPPER "${high}${low}" code)
    if(code STREQUAL "FFFF")
      math(EXPR glyph "${glyph} + 1")
      set(in_sequence FALSE)
    elseif(code STREQUAL "FFFE")
      set(in_sequence TRUE)  # combining sequences name no single character
    elseif(NOT in_sequence AND NOT DEFINED ${font}_U_${code})
      set(${font}_U_${code} ${glyph})
    endif()
  endwhile()
endmacro()

# The rows of glyph `glyph` of a font as hex, into `out`.
macro(glyph_rows font glyph out)
  math(EXPR start "${glyph} * ${${font}_HEIGHT} * 2")
  math(EXPR size "${${font}_HEIGHT} * 2")
  string(SUBSTRING "${${font}_HEX}" ${start} ${size} ${out})
endmacro()

# The glyph of a code point in the first of the fonts that has one with
# ink; empty when none does.
macro(find_glyph fonts code out)
  set(${out} "")
  foreach(font IN LISTS ${fonts})
    foreach(candidate ${code} ${StandIn_${code}})
      if(${out} STREQUAL "" AND DEFINED ${font}_U_${candidate})
        glyph_rows(${font} ${${font}_U_${candidate}} ${out})
        if(${out} MATCHES "^0+$")
          set(${out} "")
        endif()
      endif()
    endforeach()
  endforeach()
endmacro()

# The block elements, drawn by their definition: the whole cell, its lower
# and upper half, its left and right half. Empty for any other code.
function(block_glyph code height out)
  math(EXPR half "${height} / 2")
  if(code STREQUAL "2588")
    string(REPEAT "FF" ${height} rows)
  elseif(code STREQUAL "2584")
    string(REPEAT "00" ${half} top)
    string(REPEAT "FF" ${half} bottom)
    set(rows "${top}${bottom}")
  elseif(code STREQUAL "2580")
    string(REPEAT "FF" ${half} top)
    string(REPEAT "00" ${half} bottom)
    set(rows "${top}${bottom}")
  elseif(code STREQUAL "258C")
    string(REPEAT "F0" ${height} rows)
  elseif(code STREQUAL "2590")
    string(REPEAT "0F" ${height} rows)
  else()
    set(rows "")
  endif()
  set(${out} "${rows}" PARENT_SCOPE)
endfunction()

# Reads every VGA font of one height, Uni2 first: the widest repertoire.
macro(read_fonts height list)
  file(GLOB paths "${FONT_DIR}/*-VGA${height}.psf.gz")
  list(FILTER paths EXCLUDE REGEX "Terminus")
  list(SORT paths)
  list(FIND paths "${FONT_DIR}/Uni2-VGA${height}.psf.gz" uni2)
  if(uni2 EQUAL -1)
    message(FATAL_ERROR "no ${FONT_DIR}/Uni2-VGA${height}.psf.gz: install console-setup-linux (tools/setup.sh)")
  endif()
  list(REMOVE_AT paths ${uni2})
  list(PREPEND paths "${FONT_DIR}/Uni2-VGA${height}.psf.gz")
  set(${list} "")
  set(n 0)
  foreach(path IN LISTS paths)
    set(font "F${height}_${n}")
    read_font(${font} "${path}")
    list(APPEND ${list} ${font})
    math(EXPR n "${n} + 1")
  endforeach()
endmacro()

# 16 rows to 14: without the first and the last.
function(rows_14 rows out)
  string(SUBSTRING "${rows}" 2 28 cut)
  set(${out} "${cut}" PARENT_SCOPE)
endfunction()

# 16 rows to 8: each row the union of two.
function(rows_8 rows out)
  set(joined "")
  foreach(row RANGE 0 7)
    math(EXPR a "${row} * 4")
    math(EXPR b "${a} + 2")
    string(SUBSTRING "${rows}" ${a} 2 first)
    string(SUBSTRING "${rows}" ${b} 2 second)
    math(EXPR both "0x${first} | 0x${second}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${both}" 2 -1 both)
    string(LENGTH "${both}" size)
    if(size EQUAL 1)
      set(both "0${both}")
    endif()
    string(APPEND joined "${both}")
  endforeach()
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# Hex rows as a C++ initialiser: {0x00, 0x18, ...}.
function(initialiser rows out)
  string(REGEX REPLACE "(..)" "0x\\1, " text "${rows}")
  string(REGEX REPLACE ", $" "" text "${text}")
  set(${out} "{${text}}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${WORK_DIR}")
read_fonts(16 fonts16)
read_fonts(14 fonts14)
read_fonts(8 fonts8)

foreach(height 8 14 16)
  set(table_${height} "")
endforeach()
foreach(code IN LISTS Cp437)
  find_glyph(fonts16 ${code} rows16)
  block_glyph(${code} 16 block)
  if(code STREQUAL "0000" OR code STREQUAL "0020" OR code STREQUAL "00A0")
    string(REPEAT "00" 16 rows16)
  elseif(NOT block STREQUAL "")
    set(rows16 "${block}")
  endif()
  if(rows16 STREQUAL "")
    message(FATAL_ERROR "no 16-row glyph for U+${code}")
  endif()
  foreach(height 8 14)
    find_glyph(fonts${height} ${code} rows)
    block_glyph(${code} ${height} block)
    if(code STREQUAL "0000" OR code STREQUAL "0020" OR code STREQUAL "00A0")
      string(REPEAT "00" ${height} rows)
    elseif(NOT block STREQUAL "")
      set(rows "${block}")
    elseif(rows STREQUAL "" AND height EQUAL 14)
      rows_14("${rows16}" rows)
    elseif(rows STREQUAL "")
      rows_8("${rows16}" rows)
    endif()
    initialiser("${rows}" text)
    string(APPEND table_${height} "    ${text},\n")
  endforeach()
  initialiser("${rows16}" text)
  string(APPEND table_16 "    ${text},\n")
endforeach()

file(WRITE "${OUTPUT}.new"
"// Made by tools/cp437_glyphs.cmake from Debian's console-setup-linux VGA
// fonts (public domain): do not edit.
#include \"basic/screen/cp437_glyphs.h\"

const uint8_t Cp437Glyphs8[256][8] = {
${table_8}};
const uint8_t Cp437Glyphs14[256][14] = {
${table_14}};
const uint8_t Cp437Glyphs16[256][16] = {
${table_16}};
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
