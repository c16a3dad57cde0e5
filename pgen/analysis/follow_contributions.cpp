#include "analysis/follow_contributions.h"

#include <algorithm>
#include <utility>

namespace zedra {

void FollowContributions::add(const Secondary& construct, const NameList& set) {
  if (!set.empty()) contributions_.push_back({&ending_.of_secondary(construct), &set});
}

void FollowContributions::add(const Primary& construct, const NameList& set) {
  if (!set.empty()) contributions_.push_back({&ending_.of_primary(construct), &set});
}

void FollowContributions::distribute() {
  find_components();
  find_copies();
  find_dead_ends();
  follow_.assign(component_ends_.size(), NameList());
  seen_.assign(component_ends_.size(), 0);
  for (const Contribution& contribution : contributions_) spread(contribution);
  for (std::uint32_t index = 0; index < component_.size(); ++index) {
    const std::uint32_t component = component_[index];
    const std::uint32_t source = copy_of_[component] != kNone ? copy_of_[component] : component;
    ending_.rule(index).follow = follow_[source];
  }
}

// Tarjan's algorithm, without recursion: a rule's component is complete
// when the walk leaves the first rule of it that it entered.
void FollowContributions::find_components() {
  const std::size_t count = ending_.rule_count();
  std::vector<std::uint32_t> entered(count, kNone), low(count);
  component_.assign(count, kNone);
  std::vector<std::uint32_t> open;                           // entered, component open
  std::vector<std::pair<std::uint32_t, std::size_t>> stack;  // rule, next edge
  std::uint32_t entries = 0, components = 0;
  auto enter = [&](std::uint32_t rule) {
    entered[rule] = low[rule] = entries++;
    open.push_back(rule);
    stack.push_back({rule, 0});
  };
  for (std::uint32_t root = 0; root < count; ++root) {
    if (entered[root] != kNone) continue;
    enter(root);
    while (!stack.empty()) {
      auto& [at, edge] = stack.back();
      const EndingRules::Indices& ends = ending_.ends_of(at);
      if (edge < ends.size()) {
        const std::uint32_t to = ends[edge++];
        if (entered[to] == kNone) enter(to);
        else if (component_[to] == kNone) low[at] = std::min(low[at], entered[to]);
        continue;
      }
      const std::uint32_t done = at;
      stack.pop_back();
      if (!stack.empty()) low[stack.back().first] = std::min(low[stack.back().first], low[done]);
      if (low[done] != entered[done]) continue;
      std::uint32_t member;
      do {
        member = open.back();
        open.pop_back();
        component_[member] = components;
      } while (member != done);
      ++components;
    }
  }
  component_ends_.assign(components, {});
  for (std::uint32_t from = 0; from < count; ++from)
    for (std::uint32_t to : ending_.ends_of(from))
      if (component_[to] != component_[from]) component_ends_[component_[from]].push_back(component_[to]);
  for (auto& ends : component_ends_) {
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
  }
}

// A component is a copy of the one component that ends with it, when no
// contribution names it, and so of the component at the head of such a
// line. The one before a component has a higher number: going down the
// numbers, it has found its head already.
void FollowContributions::find_copies() {
  const std::size_t count = component_ends_.size();
  std::vector<bool> named(count);
  for (const Contribution& contribution : contributions_)
    for (std::uint32_t index : *contribution.starts) named[component_[index]] = true;
  constexpr std::uint32_t kMany = kNone - 1;
  copy_of_.assign(count, kNone);
  for (std::uint32_t from = 0; from < count; ++from)
    for (std::uint32_t to : component_ends_[from]) copy_of_[to] = copy_of_[to] == kNone ? from : kMany;
  for (std::uint32_t index = 0; index < count; ++index)
    if (named[index] || copy_of_[index] == kMany) copy_of_[index] = kNone;
  for (std::uint32_t index = static_cast<std::uint32_t>(count); index-- > 0;)
    if (copy_of_[index] != kNone && copy_of_[copy_of_[index]] != kNone) copy_of_[index] = copy_of_[copy_of_[index]];
}

// A component is a dead end when all the components it ends with are copies
// and dead ends; those have lower numbers, so they are known already.
void FollowContributions::find_dead_ends() {
  const std::size_t count = component_ends_.size();
  dead_end_.assign(count, true);
  for (std::uint32_t index = 0; index < count; ++index)
    for (std::uint32_t to : component_ends_[index])
      if (copy_of_[to] == kNone || !dead_end_[to]) {
        dead_end_[index] = false;
        break;
      }
}

// The set goes to the components of the rules the contribution names and
// every component they end with, each once; copies get theirs afterwards.
void FollowContributions::spread(const Contribution& contribution) {
  ++walk_;
  std::vector<std::uint32_t> pending;
  pending.reserve(contribution.starts->size());
  for (std::uint32_t index : *contribution.starts) pending.push_back(component_[index]);
  while (!pending.empty()) {
    const std::uint32_t component = pending.back();
    pending.pop_back();
    if (seen_[component] == walk_) continue;
    seen_[component] = walk_;
    if (copy_of_[component] == kNone) follow_[component].add_all(*contribution.set);
    for (std::uint32_t to : component_ends_[component])
      if (seen_[to] != walk_ && !(copy_of_[to] != kNone && dead_end_[to])) pending.push_back(to);
  }
}

}  // namespace zedra
