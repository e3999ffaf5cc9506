' PEEK and POKE through DEF SEG: segment * 16 + offset, wrapping at 1 MB.
' a byte poked reads back; one never poked reads 0
DEF SEG = &H5000
POKE 0, 1: POKE 1, 255
PRINT PEEK(0); PEEK(1); PEEK(2)
' expect:  1  255  0
' segments overlap every 16 bytes: &H5002:0 is &H5000:&H20
POKE &H20, 9
DEF SEG = &H5002: PRINT PEEK(0)
' expect:  9
' an INTEGER's -1 is offset &HFFFF, as &HFFFF is written
DEF SEG = &H6000: POKE -1, 3: PRINT PEEK(&HFFFF); PEEK(65535)
' expect:  3  3
' the last byte of the megabyte, reached two ways
DEF SEG = &HF000: POKE &HFFFF, 5
DEF SEG = &HFFFF: PRINT PEEK(&HF)
' expect:  5
' past the top the address wraps to 0, as the 8086's did
POKE &H10, 77: POKE &H11, 78
DEF SEG = 0: PRINT PEEK(0); PEEK(1)
' expect:  77  78
' an offset is rounded to a whole number, as an argument is
DEF SEG = 0: PRINT PEEK(0.4); PEEK(0.6)
' expect:  77  78
' the BIOS bytes programs read to learn the machine: 80 columns, rows - 1,
' the colour display's port, the AT's model byte
PRINT PEEK(&H44A); PEEK(&H484); PEEK(&H463) + 256 * PEEK(&H464)
' expect:  80  24  980
DEF SEG = &HF000: PRINT HEX$(PEEK(&HFFFE))
' expect: FC
' the text screen's cells: a space and grey on black until written
DEF SEG = &HB800: PRINT PEEK(0); PEEK(1); PEEK(&H7FFF)
' expect:  32  7  7
' &HB000 shows the same cells
POKE 0, 65: POKE &H7FFF, 30
DEF SEG = &HB000: PRINT PEEK(0); PEEK(&H7FFF)
' expect:  65  30
' past the cells' 32 KB is plain memory again
DEF SEG = &HC000: PRINT PEEK(0)
' expect:  0
' the video mode and the keyboard's flags are the machine's: POKE leaves them
DEF SEG = 0: POKE &H449, 99: PRINT PEEK(&H449)
' expect:  3
' DEF SEG alone is the data segment, the one VARSEG gives
DEF SEG: A% = 0: PRINT VARSEG(A%) = &H1000
' expect: -1
