#include "common/name_list.h"

#include <algorithm>

namespace zedra {

void NameList::rebuild_index() {
  index_.clear();
  if (names_.size() <= kIndexThreshold) return;
  index_.reserve(names_.size());
  for (const std::string& name : names_) index_.insert(name);
}

bool NameList::contains(std::string_view name) const {
  if (names_.size() > kIndexThreshold) return index_.count(name) != 0;
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

bool NameList::add(std::string_view name) {
  if (contains(name)) return false;
  names_.emplace_back(name);  // the back of the store is the front of the list
  if (names_.size() == kIndexThreshold + 1)
    rebuild_index();
  else if (names_.size() > kIndexThreshold)
    index_.insert(names_.back());
  return true;
}

bool NameList::remove(std::string_view name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return false;
  // The index goes first: `name` may be a view of the stored name itself.
  if (names_.size() > kIndexThreshold + 1)
    index_.erase(index_.find(name));
  else
    index_.clear();
  names_.erase(found);
  return true;
}

std::size_t NameList::remove_if(const std::function<bool(const std::string&)>& doomed) {
  const auto kept_end = std::remove_if(names_.begin(), names_.end(), doomed);
  const auto removed = static_cast<std::size_t>(names_.end() - kept_end);
  if (removed == 0) return 0;
  names_.erase(kept_end, names_.end());
  rebuild_index();
  return removed;
}

void NameList::clear() {
  names_.clear();
  index_.clear();
}

void NameList::copy_from(const NameList& source) {
  if (this == &source) return;
  // Adding the source's names in its order puts them here in reverse order;
  // the source holds no duplicates, so they can be taken as they are.
  names_.assign(source.begin(), source.end());
  rebuild_index();
}

void NameList::add_all(const NameList& other) {
  if (this == &other) return;
  for (const std::string& name : other) add(name);
}

void NameList::unite(NameList& target, const NameList& a, const NameList& b) {
  if (&target == &a) {
    target.add_all(b);
    return;
  }
  // Built aside, so that a target that is also `b` still contributes its names.
  NameList result;
  result.copy_from(a);
  result.add_all(b);
  target = std::move(result);
}

bool NameList::is_subset_of(const NameList& other) const {
  return std::all_of(begin(), end(), [&](const std::string& name) { return other.contains(name); });
}

bool NameList::is_disjoint_from(const NameList& other) const {
  const NameList& small = size() <= other.size() ? *this : other;
  const NameList& large = &small == this ? other : *this;
  return std::none_of(small.begin(), small.end(),
                      [&](const std::string& name) { return large.contains(name); });
}

}  // namespace zedra
