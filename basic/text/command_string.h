// The reading that DRAW's and PLAY's command strings share: a string of
// one-letter commands, read one character at a time, with spaces and ';'
// between commands ignored, letters in either case, "=name;" for a numeric
// variable's value and "X name$;" running the commands a string variable
// holds, nested up to MaxCommandNesting deep and bringing in at most
// MaxSubstringBytes in all (a string that runs itself stops at the first).
//
// A mistake ends the reading with a message that says where it was:
// "'Q' is not a DRAW command (character 3 of A$)".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The program's variables, as a command string names them (upper case,
// suffix as written). A string's text must stay as it is until the
// statement has ended.
class CommandVariables {
 public:
  virtual double Number(const std::string& name) = 0;
  virtual std::string_view Text(const std::string& name) = 0;

 protected:
  ~CommandVariables() = default;
};

// VARPTR$(variable): three bytes that name a variable in a command string
// ("X" + VARPTR$(A$), "=" + VARPTR$(N)): a type byte (2 INTEGER, 3 STRING,
// 4 SINGLE, 8 DOUBLE, 20 LONG) and the variable's slot, low byte first. A
// reader hands the three bytes on as the name; ';' after them is optional.
enum class ReferenceType : uint8_t { Integer = 2, String = 3, Single = 4, Double = 8, Long = 20 };
std::string VarptrBytes(ReferenceType type, uint16_t slot);
// True for such a name, with its type and slot.
bool IsVarptrBytes(std::string_view name, ReferenceType* type, int32_t* slot);

inline constexpr int32_t MaxCommandNesting = 32;
inline constexpr std::size_t MaxSubstringBytes = std::size_t{1} << 20;

// What ends a reading: its message, place included.
struct CommandStringError {
  std::string message;
};

class CommandReader {
 public:
  // `statement` names the statement in messages: "DRAW", "PLAY".
  CommandReader(std::string_view commands, const char* statement, CommandVariables& variables);

  // Skips spaces and ';', leaving the strings that have ended; false when
  // every one has.
  bool More();
  // The next command's letter, upper case; messages point at it.
  char Command();
  char Peek() const;
  char Take();
  void SkipSpaces();
  // Digits: false, and nothing read, when none are here. Past `most` the
  // reading fails with the message.
  bool Digits(int64_t most, const char* too_large, int64_t* value);
  // After '=': the numeric variable "name;"'s value, rounded as CINT rounds.
  int64_t VariableValue();
  // After 'X': "name$;", whose commands run next.
  void Substring();

  [[noreturn]] void Fail(const std::string& what) const;
  // "DRAW's " or "PLAY's ": how messages start.
  std::string Own() const { return std::string(statement_) + "'s "; }

 private:
  struct Source {
    std::string_view text;
    std::size_t at = 0;
    std::string name;  // the variable a substring came from; empty for the statement's own
  };
  const Source& Current() const { return sources_.back(); }
  bool AtEnd() const { return Current().at >= Current().text.size(); }
  std::string Name();

  const char* statement_;
  CommandVariables& variables_;
  std::vector<Source> sources_;
  std::size_t command_at_ = 0;
  std::size_t substring_bytes_ = 0;
};

char UpperCase(char c);
bool IsDigit(char c);
// A character as a message shows it: control bytes and the like by code.
std::string Shown(char c);
