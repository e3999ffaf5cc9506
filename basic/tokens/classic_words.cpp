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
    {"PCOPY", S}, {"PEN", F}, {"PLAY", F}, {"PMAP", F}, {"STICK", F},
    {"STRIG", F},
    // Files and devices.
    {"IOCTL", S}, {"IOCTL$", F}, {"LLIST", S}, {"LOCK", S}, {"LPOS", F}, {"UNLOCK", S},
    // Memory and ports.
    {"BLOAD", S}, {"BSAVE", S}, {"FRE", F}, {"INP", F}, {"OUT", S}, {"PEEK", F}, {"POKE", S},
    {"SADD", F}, {"SETMEM", F}, {"USR", F}, {"VARPTR", F}, {"VARPTR$", F}, {"VARSEG", F}, {"WAIT", S},
    // Error trapping.
    {"ERDEV", F}, {"ERDEV$", F},
    // Programs and the system around them.
    {"CHAIN", S}, {"COM", S},
    {"MERGE", S}, {"MOTOR", S}, {"SHELL", S}, {"TROFF", S}, {"TRON", S},
    // Second words of statements whose first word this BASIC knows.
    {"SEG", M},
};

}  // namespace

const ClassicWord* FindClassicWord(std::string_view word) {
  for (const ClassicWord& entry : ClassicWords) {
    if (word == entry.text) return &entry;
  }
  return nullptr;
}
