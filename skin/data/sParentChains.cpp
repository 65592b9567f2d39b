#include "skin/data/sParentChains.h"

#include <cstdint>
#include <utility>

namespace wakespan {

ParentChains::ParentChains(std::vector<int> parent) : parent_(std::move(parent)) {
  const size_t n = parent_.size();
  enum : uint8_t { kNew, kOnWalk, kDone };
  std::vector<uint8_t> state(n, kNew);
  std::vector<int> walk;
  for (size_t start = 0; start < n; ++start) {
    walk.clear();
    int node = int(start);
    while (node >= 0 && state[size_t(node)] == kNew) {
      state[size_t(node)] = kOnWalk;
      walk.push_back(node);
      const int up = parent_[size_t(node)];
      node = up >= 0 && size_t(up) < n ? up : -1;
    }
    size_t tailEnd = walk.size();
    if (node >= 0 && state[size_t(node)] == kOnWalk) {
      // The walk closed a loop at `node`: the loop is the walk from there.
      size_t at = walk.size();
      while (walk[--at] != node) {}
      cycles_.emplace_back(walk.begin() + long(at), walk.end());
      tailEnd = at;
    }
    for (size_t i = tailEnd; i-- > 0;) tailOrder_.push_back(walk[i]);
    for (const int w : walk) state[size_t(w)] = kDone;
  }
  for (int& up : parent_)
    if (up >= 0 && size_t(up) >= n) up = -1;
}

}  // namespace wakespan
