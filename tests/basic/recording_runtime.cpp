#include "tests/basic/recording_runtime.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "basic/executor/string_values.h"
#include "basic/text/number_text.h"
#include "runtime/console/key_buffer.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/graphics/geometry.h"
#include "runtime/graphics/graphics.h"
#include "runtime/strings/strings.h"

Recording TheRecording;
LastPointState LastPoint;

namespace {

std::string Join(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : " ") + part;
  return text;
}

std::string Text(int32_t value) { return std::to_string(value); }
std::string Text(double value) { return FormatNumber(value); }

// Once INPUT has been asked more often than any test needs, the program
// under test is looping on its input: the test stops there.
constexpr int MaxInputsPastScript = 100;

}  // namespace

void GfxCls(int32_t mode) { TheRecording.calls.push_back(Join({"CLS", Text(mode)})); }

void GfxLine(int32_t x1, int32_t y1, int32_t step, int32_t x2, int32_t y2, int32_t colour, int32_t box,
             int32_t fill_colour) {
  TheRecording.calls.push_back(Join({"LINE", Text(x1), Text(y1), Text(step), Text(x2), Text(y2), Text(colour),
                                     Text(box), Text(fill_colour)}));
  const LinePlan plan = PlanLine(x1, y1, step, x2, y2, box, LastPoint);
  LastPoint = {plan.x2, plan.y2};
}

void GfxCircle(int32_t x, int32_t y, int32_t radius, int32_t colour, double start, double end, double aspect,
               int32_t fill, int32_t fill_colour) {
  TheRecording.calls.push_back(Join({"CIRCLE", Text(x), Text(y), Text(radius), Text(colour), Text(start), Text(end),
                                     Text(aspect), Text(fill), Text(fill_colour)}));
}

// PRINT moves the portable character layer's cursor as the window's would.
void PromptPrint(RtString s) {
  TextPrintWalk(s);
  const std::size_t length = static_cast<std::size_t>(StrLength(s));
  TheRecording.printed.append(s, length);
  TheRecording.largest_print = std::max(TheRecording.largest_print, length);
  StrRelease(s);
}

RtString PromptInput() {
  std::string line;
  if (!TheRecording.input.empty()) {
    line = TheRecording.input.front();
    TheRecording.input.pop_front();
  } else if (++TheRecording.inputs_past_script > MaxInputsPastScript) {
    ADD_FAILURE() << "INPUT asked again and again past the end of its script";
    std::abort();
  }
  RtString s = StrNew(static_cast<int32_t>(line.size()));
  line.copy(s, line.size());
  TheRecording.printed += line + "\r\n";  // the window echoes the line and its Enter
  return s;
}

// _TITLE: the caption as the window would take it, cut where it would be.
void PromptSetCaption(const char* text, int32_t length) {
  const std::size_t count = static_cast<std::size_t>(std::clamp(length, 0, PromptCaptionMax));
  TheRecording.calls.push_back("CAPTION " + std::string(text, count));
}

PromptCursorPlace PromptLocate(int32_t row, int32_t column) {
  TextCursorState place{column, row};
  TextLocate(&place);
  return PromptCursorPlace{place.row, place.column};
}

void StartRecording(std::vector<std::string> input) {
  static const bool started = (StrHeapInit(), TextScreenSetUp(), true);
  (void)started;
  TextClear();
  KeyBufferClear();
  TheRecording = Recording{};
  ClearRecordedPicture();
  LastPoint = {0, 0};
  TheRecording.input.assign(input.begin(), input.end());
}

int RegistryCount() { return StringRegistry.count + static_cast<int>(LiveStrings()); }

ProgramRun RunProgram(const std::string& source, std::vector<std::string> input) {
  StartRecording(std::move(input));
  const int before = RegistryCount();
  ProgramRun run;
  {
    std::vector<BasicDiagnostic> errors;
    BasicProgramPtr program = BasicCompile(source, "test.bas", &errors);
    for (const BasicDiagnostic& error : errors) {
      run.errors += (run.errors.empty() ? "" : "\n") + std::to_string(error.line) + ":" +
                    std::to_string(error.column) + ": " + error.message;
    }
    run.compiled = program != nullptr;
    if (program) {
      BasicRunOptions options;
      options.transcript = &TheRecording.printed;  // text shown on the PC's text grid, in order with PRINT's
      const BasicRunResult result = BasicRun(program.get(), options);
      run.outcome = result.outcome;
      run.message = result.message;
    }
  }
  EXPECT_EQ(RegistryCount(), before) << "strings left behind by:\n" << source;
  run.printed = TheRecording.printed;
  run.calls = TheRecording.calls;
  return run;
}

void ExpectPrints(const ProgramCase& c) {
  const ProgramRun run = RunProgram(c.source);
  EXPECT_EQ(run.errors, "") << c.why << "\n" << c.source;
  EXPECT_EQ(run.message, "") << c.why << "\n" << c.source;
  EXPECT_EQ(run.printed, c.printed) << c.why << "\n" << c.source;
}
