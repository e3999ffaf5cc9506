// One table of the classic vocabulary this BASIC lacks. A word that is
// both a statement and a function (SCREEN, PLAY, SEEK) is listed as a
// function: at the start of a statement every word here is reported as a
// statement anyway.
#include "basic/tokens/classic_words.h"

namespace {

constexpr ClassicUse S = ClassicUse::Statement;
constexpr ClassicUse F = ClassicUse::Function;
constexpr ClassicUse M = ClassicUse::Modifier;

constexpr ClassicWord ClassicWords[] = {
    // The screen, the keyboard, sound and pens.
    {"GET", S},
    {"PCOPY", S},
    {"PEN", F},
    {"PLAY", F},
    {"PMAP", F},
    {"PUT", S},
    {"STICK", F},
    {"STRIG", F},
    {"VIEW", S},
    // Files and devices.
    {"CHDIR", S},
    {"CLOSE", S},
    {"EOF", F},
    {"FIELD", S},
    {"FILEATTR", F},
    {"FILES", S},
    {"FREEFILE", F},
    {"IOCTL", S},
    {"IOCTL$", F},
    {"KILL", S},
    {"LLIST", S},
    {"LOC", F},
    {"LOCK", S},
    {"LOF", F},
    {"LPOS", F},
    {"LPRINT", S},
    {"LSET", S},
    {"MKDIR", S},
    {"NAME", S},
    {"OPEN", S},
    {"RESET", S},
    {"RMDIR", S},
    {"RSET", S},
    {"SEEK", F},
    {"UNLOCK", S},
    {"WRITE", S},
    // Memory and ports.
    {"BLOAD", S},
    {"BSAVE", S},
    {"FRE", F},
    {"INP", F},
    {"OUT", S},
    {"PEEK", F},
    {"POKE", S},
    {"SADD", F},
    {"SETMEM", F},
    {"USR", F},
    {"VARPTR", F},
    {"VARPTR$", F},
    {"VARSEG", F},
    {"WAIT", S},
    // Error trapping.
    {"ERDEV", F},
    {"ERDEV$", F},
    {"ERL", F},
    {"ERR", F},
    {"ERROR", S},
    {"RESUME", S},
    // Programs and the system around them.
    {"CHAIN", S},
    {"COM", S},
    {"COMMAND$", F},
    {"COMMON", S},
    {"ENVIRON", S},
    {"ENVIRON$", F},
    {"MERGE", S},
    {"MOTOR", S},
    {"SHELL", S},
    {"TROFF", S},
    {"TRON", S},
    // Second words of statements whose first word this BASIC knows.
    {"SEG", M},
    {"USING", M},
};

} // namespace

const ClassicWord *FindClassicWord(std::string_view word) {
  for (const ClassicWord &entry : ClassicWords) {
    if (word == entry.text)
      return &entry;
  }
  return nullptr;
}
