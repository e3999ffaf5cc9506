#include "basic/builtins/builtins.h"

namespace {

constexpr Builtin Builtins[] = {
#define BASIC_BUILTIN_ROW(keyword, arguments, result, routine) {Keyword::keyword, arguments, BuiltinResult::result, routine},
    BASIC_BUILTINS(BASIC_BUILTIN_ROW)
#undef BASIC_BUILTIN_ROW
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

ValueKind BuiltinResultKind(const Builtin& builtin, ValueKind first_kind) {
  switch (builtin.result) {
    case BuiltinResult::Integer: return ValueKind::Integer;
    case BuiltinResult::Long: return ValueKind::Long;
    case BuiltinResult::Single: return ValueKind::Single;
    case BuiltinResult::Double: return ValueKind::Double;
    case BuiltinResult::String: return ValueKind::String;
    case BuiltinResult::LikeArgument: return first_kind;
    case BuiltinResult::FloatOfArgument: break;
  }
  return FloatOf(first_kind);
}
