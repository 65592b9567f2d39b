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

#include "skin/data/NameHash.h"

namespace wakespan {

// The hashes for names and for (section, key) pairs of names.
struct NameHasher {
  uint64_t operator()(std::string_view name) const { return HashName(name); }
  uint64_t operator()(const std::pair<std::string_view, std::string_view>& k) const {
    return HashName(k.second, HashName(k.first));
  }
};

template <typename Key, typename Equal = std::equal_to<Key>, typename Hash = NameHasher>
class FirstIndex {
 public:
  explicit FirstIndex(size_t expectedKeys = 0) { Rehash(SlotsFor(expectedKeys)); }

  // Records `position` for `key` unless the key is already there: the first
  // entry of a name wins, as a scan from the table's start would find it.
  // Returns the position the key now stands for.
  int Add(const Key& key, int position) {
    if (2 * (count_ + 1) > slots_.size()) Rehash(2 * slots_.size());
    const uint64_t hash = Hash{}(key);
    Slot& slot = slots_[SlotIndexOf(key, hash)];
    if (slot.position >= 0) return slot.position;
    slot = Slot{key, hash, position};
    ++count_;
    return position;
  }

  // The first position recorded for the key, or -1.
  int Find(const Key& key) const { return slots_[SlotIndexOf(key, Hash{}(key))].position; }

 private:
  struct Slot {
    Key key{};
    uint64_t hash = 0;
    int position = -1;
  };

  static size_t SlotsFor(size_t keys) {
    size_t slots = 8;
    while (slots < 2 * keys) slots *= 2;
    return slots;
  }

  // The key's slot, or the empty slot where it belongs. Keys are compared
  // only when their full hashes agree.
  size_t SlotIndexOf(const Key& key, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = size_t(hash) & mask;; i = (i + 1) & mask) {
      const Slot& s = slots_[i];
      if (s.position < 0 || (s.hash == hash && Equal{}(s.key, key))) return i;
    }
  }

  void Rehash(size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    for (const Slot& s : old)
      if (s.position >= 0) slots_[SlotIndexOf(s.key, s.hash)] = s;
  }

  std::vector<Slot> slots_;
  size_t count_ = 0;
};

}  // namespace wakespan
