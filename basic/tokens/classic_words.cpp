// One table of the classic vocabulary this BASIC lacks. A word that is
// both a statement and a function is listed as a
// function: at the start of a statement every word here is reported as a
// statement anyway.
#include "basic/tokens/classic_words.h"

namespace {

constexpr ClassicUse S = ClassicUse::Statement;
constexpr ClassicUse F = ClassicUse::Function;

constexpr ClassicWord ClassicWords[] = {
    // The screen, the keyboard, sound and pens.
    {"PEN", F}, {"STICK", F},
    {"STRIG", F},
    // Files and devices.
    {"IOCTL", S}, {"IOCTL$", F}, {"LLIST", S}, {"LOCK", S}, {"LPOS", F}, {"UNLOCK", S},
    // Memory and ports.
    {"FRE", F}, {"SETMEM", F}, {"USR", F},
    // Error trapping.
    {"ERDEV", F}, {"ERDEV$", F},
    // Programs and the system around them.
    {"CHAIN", S}, {"COM", S},
    {"MERGE", S}, {"MOTOR", S}, {"SHELL", S},
};

}  // namespace

const ClassicWord* FindClassicWord(std::string_view word) {
  for (const ClassicWord& entry : ClassicWords) {
    if (word == entry.text) return &entry;
  }
  return nullptr;
}
