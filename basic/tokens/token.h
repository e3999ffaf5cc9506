// Tokens: what the lexer cuts a source line into and the compiler reads.
#pragma once

#include <cstdint>
#include <string>

#include "basic/code/value_kind.h"

// Every reserved word. A keyword is never a name; the direct mode's commands
// are reserved too, so that a program cannot use them as variables.
#define BASIC_KEYWORDS(X)                                                              \
  X(Abs, "ABS") X(And, "AND") X(Asc, "ASC") X(Atn, "ATN") X(Chr, "CHR$")              \
  X(Circle, "CIRCLE") X(Cls, "CLS") X(Cos, "COS") X(Dim, "DIM") X(Do, "DO")           \
  X(Cont, "CONT")                                                                     \
  X(Else, "ELSE") X(ElseIf, "ELSEIF") X(End, "END") X(Exit, "EXIT") X(Exp, "EXP")     \
  X(For, "FOR") X(Gosub, "GOSUB") X(Goto, "GOTO") X(If, "IF") X(Input, "INPUT")       \
  X(Int, "INT") X(Left, "LEFT$") X(Len, "LEN") X(Let, "LET") X(Line, "LINE")          \
  X(List, "LIST") X(Load, "LOAD") X(Log, "LOG") X(Loop, "LOOP") X(Mid, "MID$")        \
  X(Mod, "MOD") X(New, "NEW") X(Next, "NEXT") X(Not, "NOT") X(Or, "OR")               \
  X(Print, "PRINT") X(Pset, "PSET") X(Randomize, "RANDOMIZE") X(Rem, "REM")           \
  X(Return, "RETURN") X(Right, "RIGHT$") X(Rnd, "RND") X(Run, "RUN") X(Save, "SAVE")  \
  X(Sgn, "SGN") X(Sin, "SIN") X(Sleep, "SLEEP") X(Space, "SPACE$") X(Sqr, "SQR")      \
  X(Step, "STEP") X(Stop, "STOP") X(Str, "STR$") X(System, "SYSTEM") X(Tan, "TAN")    \
  X(Then, "THEN") X(To, "TO") X(Until, "UNTIL") X(Val, "VAL") X(Wend, "WEND")         \
  X(While, "WHILE") X(Xor, "XOR") X(Eqv, "EQV") X(Imp, "IMP")                        \
  X(Tab, "TAB") X(Spc, "SPC") X(Instr, "INSTR") X(String, "STRING$") X(Hex, "HEX$")   \
  X(Oct, "OCT$") X(Ucase, "UCASE$") X(Lcase, "LCASE$") X(Ltrim, "LTRIM$")             \
  X(Rtrim, "RTRIM$") X(Fix, "FIX") X(Cint, "CINT") X(Clng, "CLNG") X(Csng, "CSNG")    \
  X(Cdbl, "CDBL") X(Timer, "TIMER") X(Time, "TIME$") X(Date, "DATE$")                 \
  X(On, "ON") X(Tron, "TRON") X(Troff, "TROFF")                                       \
  X(Clear, "CLEAR") X(Const, "CONST") X(Data, "DATA") X(DefDbl, "DEFDBL")             \
  X(DefInt, "DEFINT") X(DefLng, "DEFLNG") X(DefSng, "DEFSNG") X(DefStr, "DEFSTR")     \
  X(Erase, "ERASE") X(Lbound, "LBOUND") X(Option, "OPTION") X(Read, "READ")           \
  X(Redim, "REDIM") X(Restore, "RESTORE") X(Swap, "SWAP") X(Ubound, "UBOUND")         \
  X(Call, "CALL") X(Case, "CASE") X(Declare, "DECLARE") X(Def, "DEF")                 \
  X(Function, "FUNCTION") X(Select, "SELECT") X(Shared, "SHARED") X(Static, "STATIC") \
  X(Sub, "SUB")                                                                       \
  X(Draw, "DRAW")                                                                     \
  X(Inkey, "INKEY$") X(InputChars, "INPUT$") X(Pos, "POS") X(Csrlin, "CSRLIN")        \
  X(Locate, "LOCATE") X(Width, "WIDTH") X(Key, "KEY") X(Beep, "BEEP")                 \
  X(Sound, "SOUND") X(Play, "PLAY")                                                  \
  X(Screen, "SCREEN") X(Color, "COLOR") X(Palette, "PALETTE") X(Paint, "PAINT")       \
  X(Point, "POINT") X(Preset, "PRESET") X(Window, "WINDOW")                          \
  X(Mki, "MKI$") X(Mkl, "MKL$") X(Mks, "MKS$") X(Mkd, "MKD$") X(Cvi, "CVI")           \
  X(Cvl, "CVL") X(Cvs, "CVS") X(Cvd, "CVD") X(MksMbf, "MKSMBF$") X(MkdMbf, "MKDMBF$") \
  X(CvsMbf, "CVSMBF") X(CvdMbf, "CVDMBF")                                             \
  X(Command, "COMMAND$") X(Environ, "ENVIRON") X(EnvironValue, "ENVIRON$")            \
  /* Files and PRINT USING. */                                                        \
  X(Open, "OPEN") X(Close, "CLOSE") X(Reset, "RESET") X(Write, "WRITE")               \
  X(Freefile, "FREEFILE") X(Eof, "EOF") X(Lof, "LOF") X(Loc, "LOC") X(Seek, "SEEK")   \
  X(Fileattr, "FILEATTR") X(Get, "GET") X(Put, "PUT") X(Field, "FIELD")               \
  X(Lset, "LSET") X(Rset, "RSET") X(Kill, "KILL") X(Name, "NAME") X(Files, "FILES")   \
  X(Mkdir, "MKDIR") X(Rmdir, "RMDIR") X(Chdir, "CHDIR") X(Lprint, "LPRINT")           \
  X(Using, "USING")                                                                   \
  X(Err, "ERR") X(Erl, "ERL") X(Error, "ERROR") X(Resume, "RESUME")                   \
  X(Type, "TYPE")                                                                     \
  /* Memory and ports. */                                                             \
  X(Peek, "PEEK") X(Poke, "POKE") X(Seg, "SEG") X(Varptr, "VARPTR")                   \
  X(VarptrString, "VARPTR$")                                                          \
  X(Varseg, "VARSEG") X(Sadd, "SADD") X(Out, "OUT") X(Inp, "INP") X(Wait, "WAIT")     \
  /* Sprites, BSAVE and BLOAD, VIEW, pages. */                                        \
  X(Bsave, "BSAVE") X(Bload, "BLOAD") X(View, "VIEW") X(Pmap, "PMAP") X(Pcopy, "PCOPY") \
  /* QB64's words that QBasic-era programs carry (basic/qb64/compile_qb64.h). */      \
  X(QbTitle, "_TITLE") X(QbDelay, "_DELAY") X(QbLimit, "_LIMIT") X(QbPi, "_PI")       \
  X(QbFullscreen, "_FULLSCREEN") X(QbAllowFullscreen, "_ALLOWFULLSCREEN")             \
  X(QbSmooth, "_SMOOTH") X(QbSquarePixels, "_SQUAREPIXELS")                           \
  X(QbKeyHit, "_KEYHIT") X(QbKeyDown, "_KEYDOWN") X(QbMouseX, "_MOUSEX")              \
  X(QbMouseY, "_MOUSEY") X(QbMouseButton, "_MOUSEBUTTON") X(QbMouseInput, "_MOUSEINPUT")

enum class Keyword : uint8_t {
  None,
#define BASIC_KEYWORD_ENUM(name, text) name,
  BASIC_KEYWORDS(BASIC_KEYWORD_ENUM)
#undef BASIC_KEYWORD_ENUM
};

enum class TokenKind : uint8_t {
  EndOfLine,
  Number,
  String,
  Name,
  Keyword,
  Unsupported,  // a word of classic BASIC that this one lacks, or '#' (before a file number); text: the word
  Colon,
  Comma,
  Semicolon,
  LeftParen,
  RightParen,
  Plus,
  Minus,
  Star,
  Slash,
  Backslash,
  Caret,
  Equal,
  NotEqual,
  Less,
  Greater,
  LessEqual,
  GreaterEqual,
  Period,  // between a record and its field: P.X
};

struct Token {
  TokenKind kind = TokenKind::EndOfLine;
  Keyword keyword = Keyword::None;
  int32_t column = 1;          // of the token's first byte, from 1
  double number = 0;           // Number
  ValueKind number_kind = ValueKind::Integer;  // Number: its kind, as its form gives it
  bool digits_only = false;    // Number written as plain digits: may be a line number
  std::string text;            // Name: upper case, suffix kept; String: its bytes; DATA: the raw items
};

// The keyword a word in upper case is (its $ included), or None.
Keyword FindKeyword(const std::string& word);
// The reserved word's text ("LEFT$"), for messages.
const char* KeywordText(Keyword keyword);
// How a token is named in a message: its text for names and keywords.
std::string DescribeToken(const Token& token);
