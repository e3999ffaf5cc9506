// Calls whose arguments and locals are all numbers take a shorter way in
// and out than the others: which way each call takes. What the calls of
// each way do is tested by the programs of tests/basic/programs/procedures.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

TEST(BasicCalls, EachCallTakesTheWayItsProcedureAllows) {
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(
      "X = F(1) + G(2) + LEN(H$(\"s\")): A 1\n"
      "FUNCTION F (N): F = N: END FUNCTION\n"
      "FUNCTION G (N): IF N > 0 THEN G = G(N - 1)\nEND FUNCTION\n"
      "FUNCTION H$ (S$): H$ = S$: END FUNCTION\n"
      "SUB A (N): IF N > 0 THEN B N - 1\nEND SUB\n"
      "SUB B (N): A N: Leaf: END SUB\n"
      "SUB Leaf: END SUB",
      "ways.bas", &errors);
  ASSERT_TRUE(program) << (errors.empty() ? "" : errors[0].message);
  std::map<std::string, CallWay> ways;
  for (const CallSite& site : program->code.call_sites) {
    ways[program->code.procedures[static_cast<std::size_t>(site.procedure)].name] = site.way;
  }
  const std::map<std::string, CallWay> expected = {
      {"F", CallWay::Direct}, {"G", CallWay::Quick}, {"H$", CallWay::Full},
      {"A", CallWay::Quick},  {"B", CallWay::Quick}, {"LEAF", CallWay::Direct}};
  EXPECT_EQ(ways, expected);
}

}  // namespace
