// A ring of the newest N items: a put into a full ring makes room by
// dropping the oldest, a take gives the oldest. Not thread-safe by itself:
// its owner guards it.
#pragma once

#include <cstdint>

template <typename Item, int32_t N>
struct NewestRing {
  Item items[N];
  int32_t first = 0, count = 0;

  void Put(const Item& item) {
    if (count == N) {
      first = (first + 1) % N;
      --count;
    }
    items[(first + count) % N] = item;
    ++count;
  }

  bool Take(Item* item) {
    if (count == 0) return false;
    *item = items[first];
    first = (first + 1) % N;
    --count;
    return true;
  }
};
