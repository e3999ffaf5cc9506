#include "basic/files/record_io.h"

#include "basic/files/input_items.h"

namespace {

struct Transfer {
  int64_t offset = 0;    // of its first byte
  int64_t position = 0;  // the record number (random) or byte position (binary) it is at
};

RunError FindRandomTransfer(const OpenFile& file, std::optional<int64_t> where, int64_t size, Transfer* transfer) {
  if (size > file.record_length) return RunError::BadRecordLength;
  transfer->position = where.value_or(file.next_record);
  int64_t index = 0;
  if (const RunError error = PositionToIndex(transfer->position, &index); error != RunError::None) return error;
  transfer->offset = index * file.record_length;  // below 2^31 * 2^15: no overflow
  return RunError::None;
}

RunError FindBinaryTransfer(const OpenFile& file, std::optional<int64_t> where, int64_t size, Transfer* transfer) {
  if (size > static_cast<int64_t>(MaxItemBytes)) return RunError::IllegalFunctionCall;
  transfer->position = where.value_or(file.offset + 1);
  return PositionToIndex(transfer->position, &transfer->offset);
}

RunError FindTransfer(const OpenFile& file, std::optional<int64_t> where, int64_t size, bool writing,
                      Transfer* transfer) {
  if (file.mode != FileMode::Random && file.mode != FileMode::Binary) return RunError::BadFileMode;
  if (writing ? !file.can_write : !file.can_read) return RunError::PathFileAccessError;
  if (size < 0) return RunError::IllegalFunctionCall;
  const RunError error = file.mode == FileMode::Random ? FindRandomTransfer(file, where, size, transfer)
                                                       : FindBinaryTransfer(file, where, size, transfer);
  if (error != RunError::None) return error;
  return transfer->offset > MaxFileBytes - size ? RunError::BadRecordNumber : RunError::None;
}

void StandAfter(OpenFile& file, const Transfer& transfer, int64_t size) {
  if (file.mode == FileMode::Random) {
    file.next_record = transfer.position + 1;
    file.last_transfer = transfer.position;
  } else {
    file.offset = transfer.offset + size;
    file.last_transfer = file.offset;
  }
}

}  // namespace

RunError GetBytes(OpenFile& file, std::optional<int64_t> where, int64_t size, std::string* bytes) {
  bytes->clear();
  Transfer transfer;
  if (const RunError error = FindTransfer(file, where, size, false, &transfer); error != RunError::None) return error;
  const auto wanted = static_cast<std::size_t>(size);
  if (const RunError error = file.disk->ReadAt(transfer.offset, wanted, bytes); error != RunError::None) return error;
  file.short_get = bytes->size() < wanted;
  bytes->resize(wanted, '\0');
  StandAfter(file, transfer, size);
  return RunError::None;
}

RunError PutBytes(OpenFile& file, std::optional<int64_t> where, std::string_view bytes) {
  Transfer transfer;
  const auto size = static_cast<int64_t>(bytes.size());
  if (const RunError error = FindTransfer(file, where, size, true, &transfer); error != RunError::None) return error;
  if (const RunError error = file.disk->WriteAt(transfer.offset, bytes, true); error != RunError::None) return error;
  StandAfter(file, transfer, size);
  return RunError::None;
}
