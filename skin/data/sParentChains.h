// Inheritance along PARENTCLASS links resolved for every section at once.
// Walking each section's chain separately costs the sum of all chain
// lengths, which a skin of long chains makes quadratic; resolving the
// sections in parent-first order costs one step per section.
#pragma once

#include <cstddef>
#include <vector>

namespace wakespan {

class ParentChains {
 public:
  // `parent[i]` is the node section i inherits from, -1 for none.
  explicit ParentChains(std::vector<int> parent);

  // For each node, the first node with an own value met on the walk from
  // it through its parents, -1 when none; the walk ends at a node without
  // parent or at a node met before (a loop). `hasOwn(i)` says whether node
  // i has an own value.
  template <typename HasOwn>
  void Resolve(HasOwn hasOwn, std::vector<int>& source) const {
    source.assign(parent_.size(), -1);
    for (const std::vector<int>& cycle : cycles_) ResolveCycle(cycle, hasOwn, source);
    for (const int node : tailOrder_) {
      const int up = parent_[size_t(node)];
      source[size_t(node)] = hasOwn(node) ? node : up < 0 ? -1 : source[size_t(up)];
    }
  }

 private:
  // Around a loop every node sees all others: walking backwards from a node
  // with a value, each node takes its own value or its successor's.
  template <typename HasOwn>
  static void ResolveCycle(const std::vector<int>& cycle, HasOwn hasOwn, std::vector<int>& source) {
    const size_t n = cycle.size();
    size_t last = n;
    for (size_t j = n; j-- > 0;)
      if (hasOwn(cycle[j])) {
        last = j;
        break;
      }
    if (last == n) return;
    int carry = cycle[last];
    for (size_t t = 0; t < n; ++t) {
      const int node = cycle[(last + n - t) % n];
      if (hasOwn(node)) carry = node;
      source[size_t(node)] = carry;
    }
  }

  std::vector<int> parent_;
  std::vector<std::vector<int>> cycles_;  // each in walking order
  std::vector<int> tailOrder_;            // every other node, after its parent
};

}  // namespace wakespan
