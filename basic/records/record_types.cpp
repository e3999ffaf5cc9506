#include "basic/records/record_types.h"

#include "basic/variables/variables.h"

namespace {

void AddLeaves(const RecordTypes& types, int32_t type, const std::string& prefix, std::vector<RecordLeaf>* leaves) {
  for (const RecordField& field : types.At(type).fields) {
    const std::string path = prefix + "." + field.name;
    if (field.record >= 0) {
      AddLeaves(types, field.record, path, leaves);
    } else {
      leaves->push_back({path, field.kind, field.length, field.size});
    }
  }
}

}  // namespace

int32_t RecordTypes::Find(const std::string& name) const {
  const auto found = index.find(name);
  return found == index.end() ? -1 : found->second;
}

std::vector<RecordLeaf> RecordTypes::Leaves(int32_t type) const {
  std::vector<RecordLeaf> leaves;
  AddLeaves(*this, type, "", &leaves);
  return leaves;
}

int32_t SizeOfKind(ValueKind kind, int32_t length) {
  switch (kind) {
    case ValueKind::Integer: return 2;
    case ValueKind::Long: case ValueKind::Single: return 4;
    case ValueKind::Double: return 8;
    case ValueKind::String: return length;
  }
  return 0;
}

std::string LeafName(const std::string& record, const RecordLeaf& leaf) {
  return NameOfKind(record + leaf.path, leaf.kind);
}
