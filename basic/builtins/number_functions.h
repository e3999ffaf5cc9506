// The numeric built-ins: the runtime's INT, RND, EXP and LOG, the C
// library's square root and trigonometry, ABS and SGN, and the conversions
// FIX, CINT, CLNG, CSNG and CDBL.
#pragma once

#include "basic/builtins/builtins.h"

const char* FnInt(BuiltinCall& call);
const char* FnRnd(BuiltinCall& call);
const char* FnAbs(BuiltinCall& call);
const char* FnSgn(BuiltinCall& call);
const char* FnSqr(BuiltinCall& call);
const char* FnExp(BuiltinCall& call);
const char* FnLog(BuiltinCall& call);
const char* FnSin(BuiltinCall& call);
const char* FnCos(BuiltinCall& call);
const char* FnTan(BuiltinCall& call);
const char* FnAtn(BuiltinCall& call);
const char* FnFix(BuiltinCall& call);
const char* FnCint(BuiltinCall& call);
const char* FnClng(BuiltinCall& call);
const char* FnIdentity(BuiltinCall& call);
