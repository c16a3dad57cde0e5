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

const NameList::Store& NameList::names() const {
  static const Store kNone;
  return data_ ? data_->names : kNone;
}

NameList::Data& NameList::own() {
  if (!data_) {
    data_ = std::make_shared<Data>();
  } else if (data_.use_count() > 1) {
    data_ = std::make_shared<Data>(*data_);
    data_->reverse.reset();
  } else {
    forget_reverse(*data_);
  }
  return *data_;
}

void NameList::forget_reverse(Data& data) {
  if (const std::shared_ptr<Data> partner = data.reverse.lock()) partner->reverse.reset();
  data.reverse.reset();
}

void NameList::index(Data& data) {
  if (data.slots.empty() && data.names.size() > kIndexThreshold) rebuild_index(data);
}

void NameList::drop_index(Data& data) { std::vector<std::uint32_t>().swap(data.slots); }

void NameList::rebuild_index(Data& data) {
  drop_index(data);
  if (data.names.size() <= kIndexThreshold) return;
  std::size_t slot_count = 32;
  while (slot_count < 2 * data.names.size()) slot_count *= 2;
  data.slots.assign(slot_count, 0);
  for (std::size_t position = 0; position < data.names.size(); ++position)
    data.slots[find_slot(data, data.names[position])] = static_cast<std::uint32_t>(position + 1);
}

std::size_t NameList::find_slot(const Data& data, const std::string* name) {
  const std::size_t mask = data.slots.size() - 1;
  std::size_t slot = entry_hash(name) & mask;
  while (data.slots[slot] != 0 && data.names[data.slots[slot] - 1] != name) slot = (slot + 1) & mask;
  return slot;
}

// Searching a large list makes its index; the index belongs to the names,
// whichever list that shares them searches first.
bool NameList::contains_entry(const std::string* name) const {
  if (!data_) return false;
  Data& data = *data_;
  index(data);
  if (!data.slots.empty()) return data.slots[find_slot(data, name)] != 0;
  return std::find(data.names.begin(), data.names.end(), name) != data.names.end();
}

bool NameList::contains(std::string_view name) const {
  const std::string* entry = name_table().find(name);
  return entry != nullptr && contains_entry(entry);
}

NameList::Entry::Entry(std::string_view name) : name_(name_table().intern(name)) {}

bool NameList::add(std::string_view name) { return add_entry(name_table().intern(name)); }

bool NameList::add_entry(const std::string* name) {
  if (contains_entry(name)) return false;
  Data& data = own();
  data.names.push_back(name);  // the back of the store is the front of the list
  if (data.names.size() <= kIndexThreshold) return true;
  if (data.slots.empty() || 2 * data.names.size() > data.slots.size())
    rebuild_index(data);
  else
    data.slots[find_slot(data, name)] = static_cast<std::uint32_t>(data.names.size());
  return true;
}

// Removing shifts the positions behind the name, so the index goes; no
// index is made just to find the name.
bool NameList::remove(std::string_view name) {
  const Store& current = names();
  const auto found = std::find(current.begin(), current.end(), name_table().find(name));
  if (found == current.end()) return false;
  const auto position = found - current.begin();
  Data& data = own();
  data.names.erase(data.names.begin() + position);
  drop_index(data);
  return true;
}

std::size_t NameList::remove_if(const std::function<bool(const std::string&)>& doomed) {
  const Store& current = names();
  if (std::none_of(current.begin(), current.end(), [&](const std::string* name) { return doomed(*name); })) return 0;
  Data& data = own();
  const auto kept_end =
      std::remove_if(data.names.begin(), data.names.end(), [&](const std::string* name) { return doomed(*name); });
  const auto removed = static_cast<std::size_t>(data.names.end() - kept_end);
  data.names.erase(kept_end, data.names.end());
  drop_index(data);
  return removed;
}

void NameList::clear() { data_.reset(); }

void NameList::copy_from(const NameList& source) {
  if (this == &source) return;
  // Adding the source's names in its order puts them here in reverse order;
  // the source holds no duplicates, so they can be taken as they are.
  if (source.empty()) {
    clear();
    return;
  }
  if (std::shared_ptr<Data> known = source.data_->reverse.lock()) {
    data_ = std::move(known);
    return;
  }
  auto data = std::make_shared<Data>();
  data->names.assign(source.data_->names.rbegin(), source.data_->names.rend());
  forget_reverse(*source.data_);
  data->reverse = source.data_;
  source.data_->reverse = data;
  data_ = std::move(data);
}

void NameList::add_all(const NameList& other) {
  if (this == &other || other.empty()) return;
  if (empty()) {
    // The names of `other` in its order, added one by one: its copy.
    copy_from(other);
    return;
  }
  const std::shared_ptr<Data> keep = other.data_;  // stays while this list changes
  for (auto name = keep->names.rbegin(); name != keep->names.rend(); ++name) add_entry(*name);
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
  const Store& mine = names();
  return std::all_of(mine.begin(), mine.end(), [&](const std::string* name) { return other.contains_entry(name); });
}

bool NameList::is_disjoint_from(const NameList& other) const {
  const NameList& small = size() <= other.size() ? *this : other;
  const NameList& large = &small == this ? other : *this;
  const Store& names = small.names();
  return std::none_of(names.begin(), names.end(), [&](const std::string* name) { return large.contains_entry(name); });
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
