// The string built-ins, on bytes: LEN, ASC, VAL, CHR$, STR$, SPACE$,
// LEFT$, RIGHT$, MID$, INSTR and STRING$ cut, join and search them; HEX$
// and OCT$ write a number's bits; UCASE$ and LCASE$ fold ASCII letters,
// leaving double-byte characters whole; LTRIM$ and RTRIM$ drop spaces.
#pragma once

#include "basic/builtins/builtins.h"

const char* FnLen(BuiltinCall& call);
const char* FnAsc(BuiltinCall& call);
const char* FnVal(BuiltinCall& call);
const char* FnChr(BuiltinCall& call);
const char* FnStr(BuiltinCall& call);
const char* FnSpace(BuiltinCall& call);
const char* FnLeft(BuiltinCall& call);
const char* FnRight(BuiltinCall& call);
const char* FnMid(BuiltinCall& call);
const char* FnMidToEnd(BuiltinCall& call);
const char* FnInstr(BuiltinCall& call);
const char* FnInstrFrom(BuiltinCall& call);
const char* FnStringOfCode(BuiltinCall& call);
const char* FnStringOfText(BuiltinCall& call);
const char* FnHex(BuiltinCall& call);
const char* FnOct(BuiltinCall& call);
const char* FnUcase(BuiltinCall& call);
const char* FnLcase(BuiltinCall& call);
const char* FnLtrim(BuiltinCall& call);
const char* FnRtrim(BuiltinCall& call);
