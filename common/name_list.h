// A list of distinct names in a fixed order: a new name goes to the front.
// pgen uses these lists as the sets of its grammar analyses; their element
// order is the order of listings and generated code, so it is part of the
// output. An index beside the list keeps membership tests fast.
//
// A grammar has few distinct names, but its sets hold them many times over
// (a set of 500 terminals in each of thousands of constructs), so a list
// holds pointers into one table of the names, where each is kept once for
// the life of the program. Copies of a list share its names until one of
// them changes (the analyses hand one set on to many constructs); so do
// the copies made in reverse order, and the reverse of such a copy shares
// the original's names. The index is made only when a large list is
// searched. So even a search or a reversed copy writes to what copies
// share: a list and its copies, reversed or not, belong to one thread at a
// time (lists of different origin may live in different threads).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zedra {

class NameList {
  // Names are kept with the front of the list at the back of the vector, so
  // that adding at the front is cheap. An empty list allocates nothing.
  using Store = std::vector<const std::string*>;

 public:
  // A name as the table of names holds it: a list adds it without
  // searching the table, which pays where one name goes into many lists.
  // Names read from a list give theirs through the iterator (entry()).
  class Entry {
   public:
    explicit Entry(std::string_view name);
    const std::string& name() const { return *name_; }

   private:
    friend class NameList;
    explicit Entry(const std::string* name) : name_(name) {}
    const std::string* name_;
  };

  // Iteration in list order (newest first), giving the names.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string*;
    using reference = const std::string&;

    const_iterator() = default;
    explicit const_iterator(Store::const_reverse_iterator at) : at_(at) {}
    reference operator*() const { return **at_; }
    pointer operator->() const { return *at_; }
    // The name as an entry of the table, found without a search.
    Entry entry() const;
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    Store::const_reverse_iterator at_;
  };

  // Puts `name` at the front unless it is present; true when it was added.
  bool add(std::string_view name);
  bool add(Entry name) { return add_entry(name.name_); }
  bool contains(std::string_view name) const;
  // Removes `name`; true when it was present.
  bool remove(std::string_view name);
  // Removes every name for which `doomed` holds, in one pass; the others
  // keep their order. Gives the number removed.
  std::size_t remove_if(const std::function<bool(const std::string&)>& doomed);
  // Empties the list and gives its storage back.
  void clear();

  // Empties this list and adds the names of `source` in its order, so the
  // copy holds them in reverse order. Nothing when `source` is this list.
  void copy_from(const NameList& source);
  // Adds every name of `other`, in its order.
  void add_all(const NameList& other);
  // target := copy of a, then every name of b added in order. With target
  // being a, the names of b are added to a.
  static void unite(NameList& target, const NameList& a, const NameList& b);

  // Every name of this list is in `other`.
  bool is_subset_of(const NameList& other) const;
  // No name of `other` is in this list.
  bool is_disjoint_from(const NameList& other) const;

  std::size_t size() const { return data_ ? data_->names.size() : 0; }
  bool empty() const { return size() == 0; }
  const_iterator begin() const { return const_iterator(names().rbegin()); }
  const_iterator end() const { return const_iterator(names().rend()); }
  const std::string& front() const { return *names().back(); }

 private:
  static constexpr std::size_t kIndexThreshold = 8;
  struct Data {
    Store names;
    // The index of a list above the threshold, made when it is first
    // searched: open addressing over positions in `names` (position + 1;
    // 0 marks a free slot), in a power of two of slots at least twice the
    // number of names. Empty while not made.
    std::vector<std::uint32_t> slots;
    // The names of the last copy made in reverse order (reversed,
    // copy_from), while neither has changed since: the analyses reverse one
    // set for every construct that names a rule, and those copies then
    // share one store.
    std::weak_ptr<Data> reverse;
  };

  const Store& names() const;
  // The names of this list alone, to be changed: copied when shared.
  Data& own();
  // Ends the pairing of `data` with its reverse, before `data` changes.
  static void forget_reverse(Data& data);
  // Adds the name of the table entry `name`.
  bool add_entry(const std::string* name);
  bool contains_entry(const std::string* name) const;
  // Makes the index of a list above the threshold, if not made yet.
  static void index(Data& data);
  static void rebuild_index(Data& data);
  static void drop_index(Data& data);
  // The slot of the index that holds `name`, or the free slot where it
  // would go.
  static std::size_t find_slot(const Data& data, const std::string* name);

  std::shared_ptr<Data> data_;  // null for an empty list
};

inline NameList::Entry NameList::const_iterator::entry() const { return Entry(*at_); }

// The set helpers of the grammar analyses: a copy lists the source's names
// in reverse order; a union is a copy of the first set with the names of
// the second added behind.
NameList reversed(const NameList& source);
NameList united(const NameList& a, const NameList& b);

}  // namespace zedra
