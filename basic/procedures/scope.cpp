#include "basic/procedures/scope.h"

std::string Tagged(const std::string& canonical, NameSpace space) {
  return space == NameSpace::Array ? canonical + "()" : canonical;
}

bool IsDefFnName(const std::string& name) { return name.size() > 2 && name.compare(0, 2, "FN") == 0; }

static bool IsLocal(const ProcedureScope& scope, const std::string& tagged) {
  if (scope.own.count(tagged)) return true;
  if (scope.shared.count(tagged)) return false;
  if (scope.shared_everywhere && scope.shared_everywhere->count(tagged)) return false;
  return scope.names_local;
}

std::string ProcedureScope::Key(const std::string& canonical, NameSpace space) {
  const std::string tagged = Tagged(canonical, space);
  seen.insert(tagged);
  return IsLocal(*this, tagged) ? prefix + canonical : canonical;
}

void ProcedureScope::Made(const std::string& canonical, NameSpace space, int32_t slot) {
  const std::string tagged = Tagged(canonical, space);
  if (!IsLocal(*this, tagged)) return;
  const auto parameter = array_parameters.find(tagged);
  if (parameter != array_parameters.end()) array_parameter_slots[static_cast<std::size_t>(parameter->second)] = slot;
  if (!own.count(tagged) && (all_static || statics.count(tagged))) return;
  std::vector<int32_t>& locals = space == NameSpace::Number ? number_locals
                                 : space == NameSpace::String ? string_locals
                                                              : array_locals;
  locals.push_back(slot);
}
