// Inheritance resolved for all sections at once must agree with walking
// each section's chain on its own, loops and all.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "skin/data/sParentChains.h"

namespace wakespan {
namespace {

// The walk itself: from the node through its parents until a node without
// parent or one met before.
int Walk(const std::vector<int>& parent, const std::vector<bool>& own, int node) {
  std::vector<bool> met(parent.size(), false);
  while (node >= 0 && !met[size_t(node)]) {
    if (own[size_t(node)]) return node;
    met[size_t(node)] = true;
    node = parent[size_t(node)];
  }
  return -1;
}

TEST(ParentChainsTest, AgreesWithWalkingEachChainOnRandomGraphs) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const int n = 1 + int(random() % 12);
    std::vector<int> parent(static_cast<size_t>(n));
    std::vector<bool> own(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      parent[size_t(i)] = int(random() % size_t(n + 2)) - 2;  // some without parent
      own[size_t(i)] = random() % 3 == 0;
    }
    const ParentChains chains(parent);
    std::vector<int> source;
    chains.Resolve([&own](int i) { return bool(own[size_t(i)]); }, source);
    for (int i = 0; i < n; ++i) ASSERT_EQ(source[size_t(i)], Walk(parent, own, i)) << "round " << round << " node " << i;
  }
}

TEST(ParentChainsTest, LoopsSelfParentsAndParentsOutsideTheTable) {
  // 0 -> 1 -> 2 -> 0 (a loop with a value at 1), 3 -> 3, 4 -> 0, 5 -> 99.
  const ParentChains chains({1, 2, 0, 3, 0, 99});
  std::vector<int> source;
  chains.Resolve([](int i) { return i == 1 || i == 5; }, source);
  EXPECT_EQ(source, (std::vector<int>{1, 1, 1, -1, 1, 5}));
  chains.Resolve([](int) { return false; }, source);
  EXPECT_TRUE(std::all_of(source.begin(), source.end(), [](int s) { return s == -1; }));
}

}  // namespace
}  // namespace wakespan
