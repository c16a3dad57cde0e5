#include "name_list.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace zedra {

namespace {

// The table of every name that a list has held: each name once, at an
// address that stays for the life of the program. Lists may live in more
// than one thread, so the table is locked while it is read or grows.
class NameTable {
 public:
  const std::string* intern(std::string_view name) {
    std::lock_guard<std::mutex> hold(lock_);
    auto found = entries_.find(name);
    if (found != entries_.end()) return found->second.get();
    auto entry = std::make_unique<const std::string>(name);
    const std::string* address = entry.get();
    entries_.emplace(*address, std::move(entry));
    return address;
  }
  // The entry of `name`, or null when no list ever held it.
  const std::string* find(std::string_view name) {
    std::lock_guard<std::mutex> hold(lock_);
    auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : found->second.get();
  }

 private:
  std::mutex lock_;
  std::unordered_map<std::string_view, std::unique_ptr<const std::string>> entries_;
};

NameTable& name_table() {
  static NameTable table;
  return table;
}

// Entries are distinct addresses: the index hashes the address, mixed so
// that the aligned low bits do not leave most slots unused.
std::size_t entry_hash(const std::string* name) {
  auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(name));
  bits ^= bits >> 29;
  bits *= 0xBF58476D1CE4E5B9ull;
  bits ^= bits >> 32;
  return static_cast<std::size_t>(bits);
}

}  // namespace

void NameList::rebuild_index() {
  slots_.clear();
  if (names_.size() <= kIndexThreshold) {
    slots_.shrink_to_fit();
    return;
  }
  std::size_t slot_count = 32;
  while (slot_count < 2 * names_.size()) slot_count *= 2;
  slots_.assign(slot_count, 0);
  for (std::size_t position = 0; position < names_.size(); ++position)
    slots_[find_slot(names_[position])] = static_cast<std::uint32_t>(position + 1);
}

std::size_t NameList::find_slot(const std::string* name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = entry_hash(name) & mask;
  while (slots_[slot] != 0 && names_[slots_[slot] - 1] != name) slot = (slot + 1) & mask;
  return slot;
}

bool NameList::contains_entry(const std::string* name) const {
  if (!slots_.empty()) return slots_[find_slot(name)] != 0;
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

bool NameList::contains(std::string_view name) const {
  const std::string* entry = name_table().find(name);
  return entry != nullptr && contains_entry(entry);
}

bool NameList::add(std::string_view name) { return add_entry(name_table().intern(name)); }

bool NameList::add_entry(const std::string* name) {
  if (slots_.empty()) {
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) return false;
    names_.push_back(name);  // the back of the store is the front of the list
    if (names_.size() > kIndexThreshold) rebuild_index();
    return true;
  }
  const std::size_t slot = find_slot(name);
  if (slots_[slot] != 0) return false;
  names_.push_back(name);
  if (2 * names_.size() > slots_.size())
    rebuild_index();
  else
    slots_[slot] = static_cast<std::uint32_t>(names_.size());
  return true;
}

bool NameList::remove(std::string_view name) {
  const std::string* entry = name_table().find(name);
  const auto found = std::find(names_.begin(), names_.end(), entry);
  if (entry == nullptr || found == names_.end()) return false;
  names_.erase(found);
  rebuild_index();
  return true;
}

std::size_t NameList::remove_if(const std::function<bool(const std::string&)>& doomed) {
  const auto kept_end =
      std::remove_if(names_.begin(), names_.end(), [&](const std::string* name) { return doomed(*name); });
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
  names_.assign(source.names_.rbegin(), source.names_.rend());
  rebuild_index();
}

void NameList::add_all(const NameList& other) {
  if (this == &other) return;
  for (auto name = other.names_.rbegin(); name != other.names_.rend(); ++name) add_entry(*name);
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
  return std::all_of(names_.begin(), names_.end(), [&](const std::string* name) { return other.contains_entry(name); });
}

bool NameList::is_disjoint_from(const NameList& other) const {
  const NameList& small = size() <= other.size() ? *this : other;
  const NameList& large = &small == this ? other : *this;
  return std::none_of(small.names_.begin(), small.names_.end(),
                      [&](const std::string* name) { return large.contains_entry(name); });
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
