#include "basic/procedures/scope.h"

std::string Tagged(const std::string& canonical, NameSpace space) {
  return space == NameSpace::Array ? canonical + "()" : canonical;
}

bool IsDefFnName(const std::string& name) { return name.size() > 2 && name.compare(0, 2, "FN") == 0; }

// A record's field ("P.X%") belongs where its record ("P") does.
static bool IsLocal(const ProcedureScope& scope, const std::string& canonical, NameSpace space) {
  const std::size_t period = canonical.find('.');
  const std::string tagged = Tagged(period == std::string::npos ? canonical : canonical.substr(0, period), space);
  if (scope.own.count(tagged)) return true;
  if (scope.shared.count(tagged)) return false;
  if (scope.shared_everywhere && scope.shared_everywhere->count(tagged)) return false;
  return scope.names_local;
}

std::string ProcedureScope::Key(const std::string& canonical, NameSpace space) {
  seen.insert(Tagged(canonical, space));
  return IsLocal(*this, canonical, space) ? prefix + canonical : canonical;
}

void ProcedureScope::Made(const std::string& canonical, NameSpace space, int32_t slot) {
  const std::string tagged = Tagged(canonical, space);
  if (!IsLocal(*this, canonical, space)) return;
  const auto parameter = array_parameters.find(tagged);
  if (parameter != array_parameters.end()) array_parameter_slots[static_cast<std::size_t>(parameter->second)] = slot;
  if (!own.count(tagged) && (all_static || statics.count(tagged))) return;
  std::vector<int32_t>& locals = space == NameSpace::Number ? number_locals
                                 : space == NameSpace::String ? string_locals
                                                              : array_locals;
  locals.push_back(slot);
}
