#include "analysis/follow_contributions.h"

namespace zedra {

void FollowContributions::add(const Secondary& construct, const NameList& set) {
  if (!set.empty()) contributions_.push_back({&ending_.of_secondary(construct), &set});
}

void FollowContributions::add(const Primary& construct, const NameList& set) {
  if (!set.empty()) contributions_.push_back({&ending_.of_primary(construct), &set});
}

void FollowContributions::distribute() {
  find_copies();
  find_dead_ends();
  seen_.assign(ending_.rule_count(), 0);
  for (const Contribution& contribution : contributions_) spread(contribution);
  for (std::uint32_t index = 0; index < copy_of_.size(); ++index)
    if (copy_of_[index] != kNone) ending_.rule(index).follow = ending_.rule(copy_of_[index]).follow;
}

// A rule is a copy of the one rule that ends with it, when no contribution
// names it, and so of the rule at the head of such a line. Rules in a ring
// of copies are reached by no contribution; they stay apart (and empty).
void FollowContributions::find_copies() {
  const std::size_t count = ending_.rule_count();
  std::vector<bool> named(count);
  for (const Contribution& contribution : contributions_)
    for (std::uint32_t index : *contribution.starts) named[index] = true;
  constexpr std::uint32_t kMany = kNone - 1;
  copy_of_.assign(count, kNone);
  for (std::uint32_t from = 0; from < count; ++from)
    for (std::uint32_t to : ending_.ends_of(from)) {
      if (to == from) continue;
      std::uint32_t& only = copy_of_[to];
      only = only == kNone || only == from ? from : kMany;
    }
  for (std::uint32_t index = 0; index < count; ++index)
    if (named[index] || copy_of_[index] == kMany) copy_of_[index] = kNone;
  // Each line of copies is followed to its head once.
  enum : unsigned char { kOpen, kOnPath, kDone };
  std::vector<unsigned char> state(count, kOpen);
  std::vector<std::uint32_t> path;
  for (std::uint32_t start = 0; start < count; ++start) {
    std::uint32_t at = start;
    path.clear();
    while (copy_of_[at] != kNone && state[at] == kOpen) {
      state[at] = kOnPath;
      path.push_back(at);
      at = copy_of_[at];
    }
    std::uint32_t head = at;
    if (state[at] == kOnPath) head = kNone;  // a ring
    else if (state[at] == kDone && copy_of_[at] != kNone) head = copy_of_[at];
    for (std::uint32_t index : path) {
      copy_of_[index] = head;
      state[index] = kDone;
    }
    state[start] = kDone;
  }
}

// Depth first from every rule, without recursion: a rule is a dead end when
// all the rules it ends with are copies and dead ends. A rule met again
// while its own walk is open (a cycle) counts as none, which only makes the
// walks go further than they need.
void FollowContributions::find_dead_ends() {
  const std::size_t count = ending_.rule_count();
  enum : unsigned char { kOpen, kActive, kDone };
  std::vector<unsigned char> state(count, kOpen);
  dead_end_.assign(count, true);
  std::vector<std::pair<std::uint32_t, std::size_t>> stack;  // rule, next edge
  for (std::uint32_t root = 0; root < count; ++root) {
    if (state[root] != kOpen) continue;
    stack.push_back({root, 0});
    state[root] = kActive;
    while (!stack.empty()) {
      auto& [at, edge] = stack.back();
      const EndingRules::Indices& ends = ending_.ends_of(at);
      if (edge == ends.size()) {
        state[at] = kDone;
        const std::uint32_t done = at;
        stack.pop_back();
        if (!stack.empty() && !(copy_of_[done] != kNone && dead_end_[done])) dead_end_[stack.back().first] = false;
        continue;
      }
      const std::uint32_t to = ends[edge++];
      if (to == at) continue;
      if (state[to] == kActive) {
        dead_end_[at] = false;
      } else if (state[to] == kDone) {
        if (!(copy_of_[to] != kNone && dead_end_[to])) dead_end_[at] = false;
      } else {
        state[to] = kActive;
        stack.push_back({to, 0});
      }
    }
  }
}

// The set goes to the rules the contribution names and every rule they end
// with, each once; copies get theirs afterwards.
void FollowContributions::spread(const Contribution& contribution) {
  ++walk_;
  std::vector<std::uint32_t> pending(contribution.starts->rbegin(), contribution.starts->rend());
  while (!pending.empty()) {
    const std::uint32_t index = pending.back();
    pending.pop_back();
    if (seen_[index] == walk_) continue;
    seen_[index] = walk_;
    if (copy_of_[index] == kNone) ending_.rule(index).follow.add_all(*contribution.set);
    for (std::uint32_t to : ending_.ends_of(index))
      if (seen_[to] != walk_ && !(copy_of_[to] != kNone && dead_end_[to])) pending.push_back(to);
  }
}

}  // namespace zedra
