#include "basic/executor/string_values.h"

#include <cstddef>
#include <cstring>

#include "runtime/system.h"

namespace {

// Each block starts with its header; the bytes follow it. Blocks of up to
// LargestPooled bytes come in powers of two and go back to a free list of
// their size; larger ones go back to the process heap at once.
struct Header {
  int32_t size_class;  // LargeClass for a block of its own size
  int32_t length;
};

constexpr int32_t SmallestBlock = 32;  // header, a few bytes and the NUL
constexpr int32_t Classes = 12;        // 32 bytes to 64 KiB
constexpr int32_t LargestPooled = SmallestBlock << (Classes - 1);
constexpr int32_t LargeClass = -1;

// A free block keeps the next free block of its size where its bytes were.
struct FreeBlock {
  FreeBlock* next;
};
FreeBlock* FreeLists[Classes] = {};
int64_t Live = 0;

Header* HeaderOf(RtString s) { return reinterpret_cast<Header*>(s) - 1; }
RtString BytesAfter(Header* header) { return reinterpret_cast<RtString>(header + 1); }

int64_t BlockBytes(int32_t size_class) { return int64_t{SmallestBlock} << size_class; }
// The bytes a block of the class holds, its NUL left out.
int64_t Capacity(const Header* header) {
  return header->size_class == LargeClass ? header->length
                                          : BlockBytes(header->size_class) - int64_t{sizeof(Header)} - 1;
}

int32_t ClassFor(int64_t block_bytes) {
  int32_t size_class = 0;
  while (BlockBytes(size_class) < block_bytes) ++size_class;
  return size_class;
}

// The block ends the process, as the runtime's heap does, when the system
// cannot serve it: no string is ever written through a short block.
Header* Allocate(int32_t length) {
  const int64_t block_bytes = int64_t{sizeof(Header)} + length + 1;
  Header* header;
  if (block_bytes > LargestPooled) {
    header = static_cast<Header*>(MemAllocZero(static_cast<std::size_t>(block_bytes)));
    header->size_class = LargeClass;
  } else {
    const int32_t size_class = ClassFor(block_bytes);
    if (FreeBlock* block = FreeLists[size_class]) {
      FreeLists[size_class] = block->next;
      header = reinterpret_cast<Header*>(block);
    } else {
      header = static_cast<Header*>(MemAllocZero(static_cast<std::size_t>(BlockBytes(size_class))));
    }
    header->size_class = size_class;
  }
  header->length = length;
  BytesAfter(header)[length] = '\0';
  ++Live;
  return header;
}

}  // namespace

RtString NewString(std::string_view bytes) {
  RtString s = BytesAfter(Allocate(static_cast<int32_t>(bytes.size())));
  if (!bytes.empty()) std::memcpy(s, bytes.data(), bytes.size());
  return s;
}

RtString NewBlankString(int32_t length) {
  RtString s = BytesAfter(Allocate(length));
  std::memset(s, 0, static_cast<std::size_t>(length));
  return s;
}

void ReleaseString(RtString s) {
  if (!s) return;
  --Live;
  Header* header = HeaderOf(s);
  if (header->size_class == LargeClass) return MemFree(header);
  const int32_t size_class = header->size_class;  // the free block's link takes its place
  auto* block = reinterpret_cast<FreeBlock*>(header);
  block->next = FreeLists[size_class];
  FreeLists[size_class] = block;
}

int32_t StringLength(RtString s) { return s ? HeaderOf(s)->length : 0; }

std::string_view BytesOf(RtString s) {
  return s ? std::string_view(s, static_cast<std::size_t>(HeaderOf(s)->length)) : std::string_view();
}

RtString ConcatStrings(RtString left, RtString right) {
  const int32_t left_length = StringLength(left);
  const int32_t right_length = StringLength(right);
  const int32_t total = left_length + right_length;
  RtString result = left;
  if (!left || total > Capacity(HeaderOf(left))) {
    result = BytesAfter(Allocate(total));
    if (left_length > 0) std::memcpy(result, left, static_cast<std::size_t>(left_length));
    ReleaseString(left);
  }
  if (right_length > 0) std::memcpy(result + left_length, right, static_cast<std::size_t>(right_length));
  HeaderOf(result)->length = total;
  result[total] = '\0';
  ReleaseString(right);
  return result;
}

int32_t CompareStrings(RtString left, RtString right) {
  const int32_t result = SysCompareStrings(left ? left : "", StringLength(left), right ? right : "", StringLength(right));
  ReleaseString(left);
  ReleaseString(right);
  return result;
}

int64_t LiveStrings() { return Live; }
