#include "basic/builtins/builtins.h"

#include "basic/builtins/clock.h"
#include "basic/builtins/number_functions.h"
#include "basic/builtins/string_functions.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/text/run_print.h"

namespace {

constexpr ValueKind N = ValueKind::Number;
constexpr ValueKind S = ValueKind::String;

const Builtin Builtins[] = {
    {Keyword::Int, "N", N, FnInt},
    {Keyword::Fix, "N", N, FnFix},
    {Keyword::Cint, "N", N, FnCint},
    {Keyword::Clng, "N", N, FnClng},
    {Keyword::Csng, "N", N, FnIdentity},
    {Keyword::Cdbl, "N", N, FnIdentity},
    {Keyword::Rnd, "", N, FnRnd},
    {Keyword::Rnd, "N", N, FnRnd},  // the argument is evaluated and ignored
    {Keyword::Abs, "N", N, FnAbs},
    {Keyword::Sgn, "N", N, FnSgn},
    {Keyword::Sqr, "N", N, FnSqr},
    {Keyword::Exp, "N", N, FnExp},
    {Keyword::Log, "N", N, FnLog},
    {Keyword::Sin, "N", N, FnSin},
    {Keyword::Cos, "N", N, FnCos},
    {Keyword::Tan, "N", N, FnTan},
    {Keyword::Atn, "N", N, FnAtn},
    {Keyword::Len, "S", N, FnLen},
    {Keyword::Asc, "S", N, FnAsc},
    {Keyword::Val, "S", N, FnVal},
    {Keyword::Instr, "SS", N, FnInstr},
    {Keyword::Instr, "NSS", N, FnInstrFrom},
    {Keyword::Chr, "N", S, FnChr},
    {Keyword::Str, "N", S, FnStr},
    {Keyword::Space, "N", S, FnSpace},
    {Keyword::String, "NN", S, FnStringOfCode},
    {Keyword::String, "NS", S, FnStringOfText},
    {Keyword::Left, "SN", S, FnLeft},
    {Keyword::Right, "SN", S, FnRight},
    {Keyword::Mid, "SN", S, FnMidToEnd},
    {Keyword::Mid, "SNN", S, FnMid},
    {Keyword::Hex, "N", S, FnHex},
    {Keyword::Oct, "N", S, FnOct},
    {Keyword::Ucase, "S", S, FnUcase},
    {Keyword::Lcase, "S", S, FnLcase},
    {Keyword::Ltrim, "S", S, FnLtrim},
    {Keyword::Rtrim, "S", S, FnRtrim},
    {Keyword::Timer, "", N, FnTimer},
    {Keyword::Time, "", S, FnTime},
    {Keyword::Date, "", S, FnDate},
    {Keyword::Inkey, "", S, FnInkey},
    {Keyword::InputChars, "N", S, FnInputChars},
    {Keyword::Pos, "N", N, FnPos},  // the argument is evaluated and ignored
    {Keyword::Csrlin, "", N, FnCsrlin},
};

int32_t Count(const Builtin& builtin, char letter) {
  int32_t count = 0;
  for (const char* kind = builtin.arguments; *kind; ++kind) count += *kind == letter;
  return count;
}

// Whether a row of keyword takes these arguments and at least one more.
bool Extends(const Builtin& builtin, Keyword keyword, std::string_view arguments) {
  const std::string_view own = builtin.arguments;
  return builtin.keyword == keyword && own.size() > arguments.size() && own.substr(0, arguments.size()) == arguments;
}

}  // namespace

int32_t FindBuiltin(Keyword keyword, std::string_view arguments) {
  for (const Builtin& builtin : Builtins) {
    if (builtin.keyword == keyword && arguments == builtin.arguments) return static_cast<int32_t>(&builtin - Builtins);
  }
  return -1;
}

bool BuiltinTakesMore(Keyword keyword, std::string_view arguments) {
  for (const Builtin& builtin : Builtins) {
    if (Extends(builtin, keyword, arguments)) return true;
  }
  return false;
}

char BuiltinNextKind(Keyword keyword, std::string_view arguments, char letter) {
  char first = 0;
  for (const Builtin& builtin : Builtins) {
    if (!Extends(builtin, keyword, arguments)) continue;
    const char next = builtin.arguments[arguments.size()];
    if (next == letter) return letter;
    if (!first) first = next;
  }
  return first;
}

const Builtin& BuiltinAt(int32_t index) { return Builtins[index]; }
int32_t BuiltinNumbers(const Builtin& builtin) { return Count(builtin, 'N'); }
int32_t BuiltinTexts(const Builtin& builtin) { return Count(builtin, 'S'); }
