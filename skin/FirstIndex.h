// A small hashed index from names to the position of the first table entry
// that carries them, for tables built once per skin load and then only read.
// Open addressing over a power-of-two slot array kept at most half full: a
// look-up is one hash and, nearly always, one comparison, and filling the
// index costs a single allocation however many names it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace wakespan {

// FNV-1a over the bytes of a name. `Fold` maps each byte before it is mixed
// in, so an index can ignore letter case without copying names.
template <typename Fold>
uint64_t HashName(std::string_view name, uint64_t h = 14695981039346656037ull) {
  for (const char c : name) h = (h ^ uint8_t(Fold{}(c))) * 1099511628211ull;
  return h;
}

struct SameByte {
  char operator()(char c) const { return c; }
};

struct UpperAsciiByte {
  char operator()(char c) const { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
};

template <typename Key, typename Hash, typename Equal = std::equal_to<Key>>
class FirstIndex {
 public:
  explicit FirstIndex(size_t expectedKeys = 0) { Rehash(SlotsFor(expectedKeys)); }

  // Records `position` for `key` unless the key is already there: the first
  // entry of a name wins, as a scan from the table's start would find it.
  void Add(const Key& key, int position) {
    if (2 * (count_ + 1) > slots_.size()) Rehash(2 * slots_.size());
    Slot& slot = slots_[SlotIndexOf(key)];
    if (slot.position >= 0) return;
    slot = Slot{key, position};
    ++count_;
  }

  // The first position recorded for the key, or -1.
  int Find(const Key& key) const { return slots_[SlotIndexOf(key)].position; }

 private:
  struct Slot {
    Key key{};
    int position = -1;
  };

  static size_t SlotsFor(size_t keys) {
    size_t slots = 8;
    while (slots < 2 * keys) slots *= 2;
    return slots;
  }

  // The key's slot, or the empty slot where it belongs.
  size_t SlotIndexOf(const Key& key) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = size_t(Hash{}(key)) & mask;; i = (i + 1) & mask)
      if (slots_[i].position < 0 || Equal{}(slots_[i].key, key)) return i;
  }

  void Rehash(size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    for (const Slot& s : old)
      if (s.position >= 0) slots_[SlotIndexOf(s.key)] = s;
  }

  std::vector<Slot> slots_;
  size_t count_ = 0;
};

}  // namespace wakespan
