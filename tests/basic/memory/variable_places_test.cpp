// VARPTR, VARSEG and SADD of the variables that have more than one place:
// the elements of an array of strings (each a 4-byte descriptor, one after
// another, and its text), records and their fields (the record's bytes as
// a random-access file holds them), and the elements of arrays of records.
// PEEK and POKE there read and write the variables themselves.
#include <gtest/gtest.h>

#include "tests/basic/recording_runtime.h"

namespace {

TEST(BasicVariablePlaces, ElementsOfStringArraysHaveDescriptorsAndText) {
  const ProgramCase cases[] = {
      {"DIM A$(3): A$(3) = \"HEY\": D = VARPTR(A$(3))\n"
       "PRINT PEEK(D) + 256 * PEEK(D + 1); PEEK(D + 2) + 256 * PEEK(D + 3) = SADD(A$(3))",
       " 3 -1 \r\n", "a descriptor: the length, then the offset of the text SADD gives"},
      {"DIM A$(3): PRINT VARPTR(A$(2)) - VARPTR(A$(1)); VARSEG(A$(1)) = VARSEG(X)",
       " 4 -1 \r\n", "descriptors follow each other, 4 bytes each, in the data segment"},
      {"DIM B$(2, 2): PRINT VARPTR(B$(0, 1)) - VARPTR(B$(0, 0)); VARPTR(B$(1, 0)) - VARPTR(B$(0, 0))",
       " 12  4 \r\n", "the first subscript changes fastest, as for arrays of numbers"},
      {"DIM A$(2): A$(1) = \"CAT\": POKE SADD(A$(1)), 66: PRINT A$(1); CHR$(PEEK(SADD(A$(1)) + 2))",
       "BATT\r\n", "the text is read and written through the element"},
      {"DIM C$(2): C$(2) = \"ZOO\": D = VARPTR(C$(0)) + 8: T = PEEK(D + 2) + 256 * PEEK(D + 3)\n"
       "PRINT PEEK(D); CHR$(PEEK(T))",
       " 3 Z\r\n", "the descriptor of an element never asked for leads to its text too"},
      {"DIM A$(1): A$(1) = \"AB\": POKE VARPTR(A$(1)), 9: PRINT LEN(A$(1))", " 2 \r\n",
       "a descriptor is the interpreter's: poking it changes nothing"},
      {"DIM A$(1): A$(1) = \"AB\": S = SADD(A$(1)): A$(1) = \"LONGER\": PRINT SADD(A$(1)) <> S; LEN(A$(1))",
       "-1  6 \r\n", "a text grown past its room is given a new one"},
      {"DIM A$(2): ON ERROR GOTO H: PRINT VARPTR(A$(3)): END\nH: PRINT ERR: RESUME NEXT", " 9 \r\n",
       "a subscript out of the bounds is an error, as anywhere"},
  };
  ExpectEachPrints(cases);
}

constexpr const char* Types =
    "TYPE Rec: N AS INTEGER: L AS LONG: S AS STRING * 3: D AS DOUBLE: END TYPE\n"
    "TYPE Pt: X AS INTEGER: Y AS INTEGER: END TYPE\n"
    "TYPE Ship: Id AS INTEGER: Pos AS Pt: END TYPE\n";

TEST(BasicVariablePlaces, RecordsLieAsTheirFieldsInOrder) {
  const struct {
    const char* body;
    const char* printed;
    const char* why;
  } cases[] = {
      {"DIM R AS Rec: R.N = 258: R.L = -1: R.S = \"AB\": R.D = 1\n"
       "P = VARPTR(R): FOR I = 0 TO 16: PRINT PEEK(P + I);: NEXT: PRINT",
       " 2  1  255  255  255  255  65  66  32  0  0  0  0  0  0  240  63 \r\n",
       "each field's bytes in order, no padding: INTEGER, LONG, STRING * 3, DOUBLE"},
      {"DIM R AS Rec: PRINT VARPTR(R.L) - VARPTR(R); VARPTR(R.S) - VARPTR(R); VARPTR(R.D) - VARPTR(R); "
       "VARSEG(R.N) = VARSEG(R)",
       " 2  6  9 -1 \r\n", "a field's address is its place in the record"},
      {"DIM R AS Rec: R.N = 258: R.S = \"AB\": POKE VARPTR(R.N), 7: POKE VARPTR(R.S) + 2, 90\n"
       "PRINT R.N; \"[\"; R.S; \"]\"",
       " 263 [ABZ]\r\n", "a byte poked changes the field it falls in"},
      {"DIM Q AS Rec: POKE VARPTR(Q.S) + 1, 65: PRINT LEN(Q.S); ASC(MID$(Q.S, 1, 1)); ASC(MID$(Q.S, 2, 1))",
       " 3  0  65 \r\n", "a fixed string never stored is NULs, filled out by the byte poked"},
      {"DIM S AS Ship: S.Pos.Y = 5: P = VARPTR(S.Pos): PRINT P - VARPTR(S); PEEK(P + 2)", " 2  5 \r\n",
       "a nested record's place, and its own field's bytes"},
      {"DIM RS(3) AS Pt: RS(2).Y = 9\n"
       "PRINT VARPTR(RS(2)) - VARPTR(RS(0)); VARPTR(RS(2).Y) - VARPTR(RS(2)); VARSEG(RS(0)) <> VARSEG(X)",
       " 8  2 -1 \r\n", "an array of records: elements one after another, in a segment of its own"},
      {"DIM RS(3) AS Pt: RS(2).Y = 9: DEF SEG = VARSEG(RS(2)): PRINT PEEK(VARPTR(RS(2).Y))\n"
       "POKE VARPTR(RS(1)), 4: PRINT RS(1).X",
       " 9 \r\n 4 \r\n", "an element's field read and written through its bytes"},
      {"DIM G(1, 2) AS Pt: PRINT VARPTR(G(0, 1)) - VARPTR(G(0, 0)); VARPTR(G(1, 0)) - VARPTR(G(0, 0))",
       " 8  4 \r\n", "the first subscript changes fastest"},
      {"DIM RS(3) AS Pt: ON ERROR GOTO H: PRINT VARPTR(RS(4).Y): END\nH: PRINT ERR: RESUME NEXT", " 9 \r\n",
       "an element out of the bounds is an error"},
  };
  for (const auto& c : cases) {
    ExpectPrints(ProgramCase{(std::string(Types) + c.body).c_str(), c.printed, c.why});
  }
}

}  // namespace
