// The compiler: tokens to a checked program in its compact form.
//
// A recursive-descent parser with one function per precedence level reads
// each line's tokens and has the CodeBuilder write the instructions as it
// goes; names become slots of the Variables, jumps are patched once every
// label is known, and open blocks are checked at the end. An error abandons
// the rest of its line, and compiling goes on with the next, so that every
// line's first error is reported in one go.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/compiler/code_builder.h"
#include "basic/screen/screen_statements.h"
#include "basic/tokens/token.h"
#include "basic/variables/variables.h"

struct CompileInput {
  std::string_view source;
  std::string file;
  // When given, the line number reported for source line i + 1 (the direct
  // mode reports its stored programs by their BASIC line numbers).
  const std::vector<int32_t>* reported_lines = nullptr;
};

// Fills code on success; otherwise appends the errors, in source order.
bool CompileProgram(const CompileInput& input, Variables* variables, Code* code,
                    std::vector<BasicDiagnostic>* errors);

// Marks each procedure that can be called again while it is under way,
// from its own body or its callees', and chooses each call's way
// (reentrancy.cpp).
void ChooseCallWays(Code& code);

// The instruction that stores into a variable (or an element) of that kind.
Op StoreOp(ValueKind kind, bool element);

// A parse or check error: message at a column of the current line.
struct CompileError {
  int32_t column;
  std::string message;
};

inline constexpr int MaxNesting = 200;           // parentheses, operators, one-line IFs
inline constexpr std::size_t MaxDiagnostics = 50;

enum class BlockKind : uint8_t { For, While, Do, If, Sub, Function, Def, Select };

struct Block {
  BlockKind kind;
  int32_t line;    // where it opened, for the error if it never closes
  int32_t column;
  std::vector<int32_t> exits;  // EXIT FOR, EXIT DO and IF branch ends to patch
  // FOR
  int32_t variable = 0;
  ValueKind variable_kind = ValueKind::Number;
  std::string name;
  int32_t start = 0;  // ForStart, or the top of a WHILE or DO
  // WHILE, DO WHILE/UNTIL at the top, and IF: the jump taken when false.
  int32_t pending = -1;
  bool seen_else = false;
  bool rejected = false;  // opened on a line with an error: never reported as left open
  // SELECT CASE: the selector's slot is variable; CASE lines seen so far.
  bool string_selector = false;
  int32_t cases = 0;
};

// A parameter as a procedure's first line declares it.
struct HeaderParameter {
  std::string name;  // canonical, with the suffix its AS type gives
  ParameterKind kind;
  ValueKind element;  // an array parameter's elements
  bool typed;         // by AS: the name without suffix means it too
};

struct ProcedureHeader {
  std::string name;  // canonical
  int32_t line = 0;
  std::vector<HeaderParameter> parameters;
  bool is_static = false;
};

// A whole array passed to a procedure: checked against the parameter's use
// once every body is compiled.
struct ArrayArgument {
  int32_t procedure, parameter, slot, line, column;
};

// An operator of a precedence level: its token (or keyword) and instruction.
struct BinaryOperator {
  TokenKind token;
  Keyword keyword;
  Op op;
};

struct PendingJump {
  int32_t position;
  std::string label;
  int32_t line;
  int32_t column;
  bool to_data = false;  // RESTORE: patched with the first DATA item at or after the label
};

class Compiler {
 public:
  Compiler(const CompileInput& input, Variables* variables, Code* code, std::vector<BasicDiagnostic>* errors)
      : input_(input), variables_(variables), code_(code), builder_(code), errors_(errors) {}
  bool Run();

 private:
  // compile_program.cpp: lines, labels, diagnostics.
  void CompileLine(std::string_view text);
  void RecordSourceLine();
  void LineLabels();
  void ForgetRejectedLine();
  void ResolveJumps();
  void CloseOpenBlocks();
  void Report(int32_t line, int32_t column, std::string message);
  std::string_view SourceLine(int32_t line) const;
  int32_t ReportedLine(int32_t line) const;

  // Token access.
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Advance();
  bool Check(TokenKind kind) const { return Peek().kind == kind; }
  bool CheckKeyword(Keyword keyword) const;
  bool Match(TokenKind kind);
  bool MatchKeyword(Keyword keyword);
  const Token& Expect(TokenKind kind, const char* what);
  void ExpectKeyword(Keyword keyword);
  bool AtStatementEnd() const;
  [[noreturn]] void Fail(const Token& at, std::string message) const;
  [[noreturn]] void Unexpected(const char* expected) const;

  // compile_statement.cpp
  void StatementList(bool in_one_line_if);
  void Statement(bool in_one_line_if);
  void Assignment();
  void Print();
  void Input();
  void JumpStatement(Op op);
  void On();
  std::string Target();
  void AddJump(int32_t position, const Token& at, std::string label);
  // Compiles a variable reference; for a store, the subscripts are pushed
  // now and the returned instruction stores the value pushed after them.
  Instruction Variable(bool for_store, ValueKind* kind);
  int32_t ArrayWithSubscripts(const Token& name, int32_t* subscripts, ValueKind* kind);

  // compile_variables.cpp: types, declarations and the statements on whole
  // variables.
  std::string VariableName(const Token& name, bool array, ValueKind* kind);
  int32_t ArraySlotOf(const Token& name, int32_t subscripts, ValueKind* kind);
  bool AsType(ValueKind* kind);
  void Declare(const Token& name, bool array, ValueKind kind);
  const Instruction* Constant(const Token& name) const;
  void Dim(bool redim);
  void RecordDeclaration(int32_t slot, int32_t given_lower, int32_t bounds_start);
  void KeepSoleDeclarations();
  void ArrayBounds(int32_t* subscripts, int32_t* given_lower);
  void DefType(ValueKind kind);
  void OptionBase();
  void Erase();
  void Swap();
  void Clear();
  ValueKind Bound(const Token& function);
  void Const();
  Instruction Fold(int32_t start, ValueKind kind, const Token& at);

  // compile_data.cpp
  void Data();
  void Read();
  void Restore();

  // compile_text.cpp
  bool PrintPosition();
  void LineInput();
  void MidAssignment();
  void Randomize();

  // compile_procedures.cpp: SUB, FUNCTION, DEF FN and their calls.
  void FindProcedures();
  void FindProcedureHeaders();
  void RecordDimShared();
  ProcedureHeader Header(ProcedureKind kind);
  HeaderParameter ParameterDeclaration(bool array_allowed);
  std::string TypedName(const Token& name, bool* typed);
  bool MatchWord(const char* word);
  void Procedure(ProcedureKind kind, bool in_one_line_if);
  void OpenProcedure(int32_t index, const ProcedureHeader& header);
  void CloseProcedure();
  void EndProcedure(ProcedureKind kind);
  bool EndOfProcedureOrSelect();
  void ExitProcedure(const Token& at);
  void NameStatement();
  bool StartsNoAssignment() const;
  void CallStatement();
  void CompileCall(int32_t index, bool parenthesised, const Token& at);
  Argument CallArgument(int32_t index, std::size_t parameter, int32_t* numbers, int32_t* strings);
  bool IsFunctionCall(const Token& name) const;
  ValueKind FunctionCall();
  void CheckNotFunction(const Token& name, const std::string& canonical) const;
  void SharedOrStatic(bool shared);
  void DimShared();
  void DeclareStatement();
  std::string Declared(const std::string& canonical) const;
  int32_t ProcedureAt(int32_t position) const;
  std::string CrossesProcedure(int32_t from, int32_t to, const std::string& label) const;
  void CheckProcedures();

  // compile_select.cpp
  void Select();
  void Case();
  void CaseTest(const Block& block);
  void EndSelect();
  void CheckCaseComesFirst(const Token& first) const;

  // compile_blocks.cpp
  void If();
  void OneLineBranch(bool target_first = false);
  void ElseIf();
  void Else();
  void EndIf();
  void For();
  void Next();
  void While();
  void Wend();
  void Do();
  void Loop();
  void Exit();
  Block& OpenBlock(BlockKind kind, const Token& at);
  Block& Innermost(BlockKind kind, const Token& at, const char* message);
  void DropRejectedLoops(const std::string& name);

  // compile_classic.cpp: the classic words this BASIC lacks.
  void RejectClassicStatement();
  [[noreturn]] ValueKind ClassicFunction(const Token& word);
  void RejectEventTrap(const Token& on);

  // compile_graphics.cpp
  void Cls();
  void Line();
  void Circle();
  void Pset();
  void Draw();
  void OptionalNumber(double default_value);
  void Point();

  // compile_console.cpp: the text screen, keys and sound.
  void Locate();
  void Width();
  void KeyStatement();
  void Sound();
  void Sleep();
  // compile_screen.cpp
  int32_t OptionalArguments(int32_t count, int32_t kept);
  void EmitScreen(ScreenOp op, int32_t written, int32_t taken, int32_t left = 0);
  void Screen();
  void Color();
  void Palette();
  void Paint();
  void Window();
  ValueKind PointFunction();

  // compile_expression.cpp: one function per precedence level, lowest first.
  ValueKind Expression();
  void NumberExpression();
  void StringExpression();
  ValueKind NumericLevel(std::initializer_list<BinaryOperator> operators, ValueKind (Compiler::*next)());
  ValueKind Xor();
  ValueKind Or();
  ValueKind And();
  ValueKind Not();
  ValueKind Comparison();
  ValueKind Additive();
  ValueKind IntegerDivision();
  ValueKind Multiplicative();
  ValueKind Unary();
  ValueKind Power();
  ValueKind Exponent();
  ValueKind Primary();
  ValueKind Function(const Token& name);
  std::string BuiltinArguments(Keyword keyword);
  void NumberOperand(ValueKind kind, const Token& at);

  struct NestingGuard {
    explicit NestingGuard(Compiler* compiler);
    ~NestingGuard() { --compiler->nesting_; }
    Compiler* compiler;
  };

  const CompileInput& input_;
  Variables* variables_;
  Code* code_;
  CodeBuilder builder_;
  std::vector<BasicDiagnostic>* errors_;
  std::vector<std::string_view> lines_;
  int32_t line_ = 0;  // 1-based source line being compiled
  std::vector<Token> tokens_;
  std::size_t at_ = 0;
  int nesting_ = 0;
  std::vector<Block> blocks_;
  std::size_t block_floor_ = 0;  // blocks below belong to lines before a one-line IF
  std::map<std::string, int32_t> labels_;
  std::vector<PendingJump> jumps_;
  bool too_many_ = false;
  // Types and data, as the text so far declared them.
  ValueKind letter_kinds_[26] = {};                 // DEFINT and the others; Number by default
  std::map<std::string, ValueKind> declared_;     // DIM ... AS: "A" a scalar, "A()" an array
  std::map<std::string, Instruction> constants_;  // CONST: the push of its value
  int32_t option_base_ = 0;
  std::map<int32_t, int32_t> dims_of_array_;  // DIM and REDIM statements of each array slot
  bool arrays_seen_ = false;
  std::map<std::string, std::size_t> data_labels_;  // the DATA items before each label
  // Procedures: found by a first pass over the text, so that a call may come
  // before the definition.
  std::map<std::string, int32_t> procedure_index_;
  std::vector<ProcedureHeader> headers_;
  std::unique_ptr<ProcedureScope> scope_;  // the procedure being compiled
  int32_t procedure_ = -1;
  std::set<std::string> shared_everywhere_;          // DIM SHARED names, arrays as "A()"
  std::map<std::string, std::string> shared_names_;     // DIM SHARED X AS INTEGER: "X" is "X%"
  std::vector<ArrayArgument> array_arguments_;
  int32_t select_count_ = 0;
};
