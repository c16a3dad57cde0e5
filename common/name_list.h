// A list of distinct names in a fixed order: a new name goes to the front.
// pgen uses these lists as the sets of its grammar analyses; their element
// order is the order of listings and generated code, so it is part of the
// output. An index beside the list keeps membership tests fast.
//
// A grammar has few distinct names, but its sets hold them many times over
// (a set of 500 terminals in each of thousands of constructs), so a list
// holds pointers into one table of the names, where each is kept once for
// the life of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace zedra {

class NameList {
  // Names are kept with the front of the list at the back of the vector, so
  // that adding at the front is cheap. An empty list allocates nothing.
  using Store = std::vector<const std::string*>;

 public:
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

  std::size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  const_iterator begin() const { return const_iterator(names_.rbegin()); }
  const_iterator end() const { return const_iterator(names_.rend()); }
  const std::string& front() const { return *names_.back(); }

 private:
  static constexpr std::size_t kIndexThreshold = 8;
  // Adds the name of the table entry `name`.
  bool add_entry(const std::string* name);
  bool contains_entry(const std::string* name) const;
  void rebuild_index();
  // The slot of the index that holds `name`, or the free slot where it
  // would go; only while the index is kept.
  std::size_t find_slot(const std::string* name) const;

  Store names_;
  // The index, kept while the list is above the threshold: open addressing
  // over positions in names_ (position + 1; 0 marks a free slot), in a
  // power of two of slots at least twice the number of names.
  std::vector<std::uint32_t> slots_;
};

// The set helpers of the grammar analyses: a copy lists the source's names
// in reverse order; a union is a copy of the first set with the names of
// the second added behind.
NameList reversed(const NameList& source);
NameList united(const NameList& a, const NameList& b);

}  // namespace zedra
