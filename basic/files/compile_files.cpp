#include "basic/files/compile_files.h"

#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/files/open_file.h"

namespace {

// LOCK is a word of other statements this BASIC lacks, so it comes as one.
bool MatchLockWord(Compiler& c) {
  const Token& token = c.Peek();
  if ((token.kind != TokenKind::Unsupported && token.kind != TokenKind::Name) || token.text != "LOCK") return false;
  c.Advance();
  return true;
}

// The mode words are not reserved: programs may keep them as names.
FileMode ModeWord(Compiler& c) {
  if (c.MatchKeyword(Keyword::Input)) return FileMode::Input;
  if (c.MatchWord("OUTPUT")) return FileMode::Output;
  if (c.MatchWord("APPEND")) return FileMode::Append;
  if (c.MatchWord("RANDOM")) return FileMode::Random;
  if (c.MatchWord("BINARY")) return FileMode::Binary;
  c.Unexpected("INPUT, OUTPUT, APPEND, RANDOM or BINARY");
}

// READ, WRITE or READ WRITE, after ACCESS or LOCK; *both: READ WRITE.
FileAccess AccessWords(Compiler& c) {
  if (c.MatchKeyword(Keyword::Write)) return FileAccess::Write;
  if (!c.MatchKeyword(Keyword::Read)) c.Unexpected("READ or WRITE");
  return c.MatchKeyword(Keyword::Write) ? FileAccess::ReadWrite : FileAccess::Read;
}

FileLock LockOf(FileAccess words) {
  switch (words) {
    case FileAccess::Read: return FileLock::Read;
    case FileAccess::Write: return FileLock::Write;
    default: return FileLock::ReadWrite;
  }
}

// OPEN "O", #1, "NAME" [, reclen], after the mode's expression.
void CompileOpenClassic(Compiler& c) {
  FileNumberItem(c);
  c.Expect(TokenKind::Comma, "','");
  StringExpression(c);
  const bool length = c.Match(TokenKind::Comma);
  if (length) {
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(0);
  }
  c.builder.Emit(Op::OpenClassic, length);
}

}  // namespace

bool MatchHash(Compiler& c) {
  const Token& token = c.Peek();
  if (token.kind != TokenKind::Unsupported || token.text != "#") return false;
  c.Advance();
  return true;
}

void FileNumberItem(Compiler& c) {
  MatchHash(c);
  NumberExpression(c);
}

// OPEN name [FOR mode] [ACCESS access] [SHARED | LOCK lock] AS [#]n [LEN = r],
// or the classic OPEN mode$, [#]n, name$ [, r].
void CompileOpen(Compiler& c) {
  c.Advance();
  const ValueKind first = Expression(c);
  if (first == ValueKind::String && c.Check(TokenKind::Comma)) {
    c.Advance();
    return CompileOpenClassic(c);
  }
  if (first != ValueKind::String) c.Fail(c.Peek(), "OPEN needs a file name");
  FileMode mode = FileMode::Random;
  if (c.MatchKeyword(Keyword::For)) mode = ModeWord(c);
  FileAccess access = FileAccess::Default;
  if (c.MatchWord("ACCESS")) access = AccessWords(c);
  FileLock lock = FileLock::Default;
  if (c.MatchKeyword(Keyword::Shared)) {
    lock = FileLock::Shared;
  } else if (MatchLockWord(c)) {
    lock = LockOf(AccessWords(c));
  }
  if (!c.MatchWord("AS")) c.Unexpected("AS");
  FileNumberItem(c);
  const bool length = c.MatchKeyword(Keyword::Len);
  if (length) {
    c.Expect(TokenKind::Equal, "'='");
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(0);
  }
  c.builder.Emit(Op::Open, static_cast<int32_t>(mode), static_cast<int32_t>(access),
                 static_cast<int32_t>(lock) + (length ? 8 : 0));
}

// CLOSE alone closes every file; CLOSE [#]n, [#]m ... those numbers.
// RESET is CLOSE alone.
void CompileClose(Compiler& c) {
  const bool reset = c.Advance().keyword == Keyword::Reset;
  if (reset || c.AtStatementEnd()) {
    c.builder.Emit(Op::CloseAll);
    return;
  }
  do {
    FileNumberItem(c);
    c.builder.Emit(Op::Close);
  } while (c.Match(TokenKind::Comma));
}

// SEEK [#]n, position
void CompileSeek(Compiler& c) {
  c.Advance();
  FileNumberItem(c);
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  c.builder.Emit(Op::SeekFile);
}

// KILL name, NAME old AS new, MKDIR, RMDIR and CHDIR name, FILES [pattern].
void CompileDiskCommand(Compiler& c) {
  const Keyword word = c.Advance().keyword;
  if (word == Keyword::Files) {
    const bool pattern = !c.AtStatementEnd();
    if (pattern) StringExpression(c);
    c.builder.Emit(Op::Files, pattern);
    return;
  }
  StringExpression(c);
  switch (word) {
    case Keyword::Kill: c.builder.Emit(Op::Kill); return;
    case Keyword::Mkdir: c.builder.Emit(Op::Mkdir); return;
    case Keyword::Rmdir: c.builder.Emit(Op::Rmdir); return;
    case Keyword::Chdir: c.builder.Emit(Op::Chdir); return;
    default: break;
  }
  if (!c.MatchWord("AS")) c.Unexpected("AS");
  StringExpression(c);
  c.builder.Emit(Op::NameFile);
}
