// MKI$ ... MKDMBF$ and CVI ... CVDMBF as the program calls them: the bytes
// come and go as strings, the conversions are binary_numbers.h's.
#include <string>

#include "basic/builtins/binary_numbers.h"
#include "basic/builtins/builtins.h"
#include "basic/executor/string_values.h"

namespace {

using MakeBytes = RunError (*)(double value, std::string* bytes);
using ReadBytes = RunError (*)(std::string_view bytes, double* value);

RunFault Made(BuiltinCall& call, MakeBytes make) {
  std::string bytes;
  const RunError error = make(call.numbers[0], &bytes);
  if (error != RunError::None) return RunFault{error};
  call.text = NewString(bytes);
  return {};
}

RunFault Read(BuiltinCall& call, ReadBytes read, const char* too_short) {
  const RunError error = read(BytesOf(call.texts[0]), &call.number);
  if (error == RunError::IllegalFunctionCall) return IllegalCall(too_short);
  return RunFault{error};
}

}  // namespace

RunFault FnMki(BuiltinCall& call) { return Made(call, Mki); }
RunFault FnMkl(BuiltinCall& call) { return Made(call, Mkl); }
RunFault FnMks(BuiltinCall& call) { return Made(call, Mks); }
RunFault FnMkd(BuiltinCall& call) { return Made(call, Mkd); }
RunFault FnMksMbf(BuiltinCall& call) { return Made(call, MksMbf); }
RunFault FnMkdMbf(BuiltinCall& call) { return Made(call, MkdMbf); }
RunFault FnCvi(BuiltinCall& call) { return Read(call, Cvi, "CVI needs a string of 2 bytes or more"); }
RunFault FnCvl(BuiltinCall& call) { return Read(call, Cvl, "CVL needs a string of 4 bytes or more"); }
RunFault FnCvs(BuiltinCall& call) { return Read(call, Cvs, "CVS needs a string of 4 bytes or more"); }
RunFault FnCvd(BuiltinCall& call) { return Read(call, Cvd, "CVD needs a string of 8 bytes or more"); }
RunFault FnCvsMbf(BuiltinCall& call) { return Read(call, CvsMbf, "CVSMBF needs a string of 4 bytes or more"); }
RunFault FnCvdMbf(BuiltinCall& call) { return Read(call, CvdMbf, "CVDMBF needs a string of 8 bytes or more"); }
