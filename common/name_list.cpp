#include "name_list.h"

#include <algorithm>

namespace zedra {

void NameList::rebuild_index() {
  slots_.clear();
  if (names_.size() <= kIndexThreshold) return;
  std::size_t slot_count = 32;
  while (slot_count < 2 * names_.size()) slot_count *= 2;
  slots_.assign(slot_count, 0);
  for (std::size_t position = 0; position < names_.size(); ++position)
    slots_[find_slot(names_[position])] = static_cast<std::uint32_t>(position + 1);
}

std::size_t NameList::find_slot(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = std::hash<std::string_view>{}(name) & mask;
  while (slots_[slot] != 0 && names_[slots_[slot] - 1] != name) slot = (slot + 1) & mask;
  return slot;
}

bool NameList::contains(std::string_view name) const {
  if (!slots_.empty()) return slots_[find_slot(name)] != 0;
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

bool NameList::add(std::string_view name) {
  if (slots_.empty()) {
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) return false;
    names_.emplace_back(name);  // the back of the store is the front of the list
    if (names_.size() > kIndexThreshold) rebuild_index();
    return true;
  }
  const std::size_t slot = find_slot(name);
  if (slots_[slot] != 0) return false;
  names_.emplace_back(name);
  if (2 * names_.size() > slots_.size())
    rebuild_index();
  else
    slots_[slot] = static_cast<std::uint32_t>(names_.size());
  return true;
}

bool NameList::remove(std::string_view name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return false;
  names_.erase(found);
  rebuild_index();
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
  Store().swap(names_);
  std::vector<std::uint32_t>().swap(slots_);
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

NameList reversed(const NameList& source) {
  NameList result;
  result.copy_from(source);
  return result;
}

NameList united(const NameList& a, const NameList& b) {
  NameList result;
  NameList::unite(result, a, b);
  return result;
}

}  // namespace zedra
