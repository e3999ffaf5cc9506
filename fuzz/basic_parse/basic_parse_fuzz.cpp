// Fuzzes the interpreter's lexer, parser and checker: any bytes, compiled as
// a file, must come back as a program (with warnings at most) or as errors, never as a crash,
// a hang or a string left in the registry.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "runtime/strings/strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StrHeapInit(), true);
  (void)started;
  const int32_t before = StringRegistry.count;
  {
    std::vector<BasicDiagnostic> errors;
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    // An included "self.bi" is the text again: includes nest until the
    // text includes itself a second time.
    const BasicIncludeReader read = [source](const std::string& name, std::string* text, std::string* error) {
      if (name != "self.bi") *error = "not found";
      else *text = std::string(source);
      return name == "self.bi";
    };
    BasicSourceText text;
    BasicProgramPtr program;
    if (BasicReadIncludes(source, "fuzz.bas", read, &text, &errors)) program = BasicCompile(text, "fuzz.bas", &errors);
    // A program (with a numbered program's warnings), or the errors why there is none.
    bool any_error = false;
    for (const BasicDiagnostic& error : errors) any_error |= !error.warning;
    if ((program == nullptr) != any_error) std::abort();
    for (const BasicDiagnostic& error : errors) {
      if (BasicFormatDiagnostic(error).empty()) std::abort();
    }
  }
  if (StringRegistry.count != before) std::abort();
  return 0;
}
