// The list shape of the scanner-side declarations: records in declaration
// order, each named by its copy in the symbol table, with a current record
// after which the next one is inserted.
#pragma once

#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

#include "symtab.h"

namespace zedra {

// `Record` has a member `const std::string* name`.
template <class Record>
class RecordList {
 public:
  using List = std::list<Record>;

  explicit RecordList(SymbolTable& symbols) : symbols_(symbols) {}
  RecordList(const RecordList&) = delete;
  RecordList& operator=(const RecordList&) = delete;

  // Enters the name and inserts a fresh record directly after the current
  // one (at the front when there is none); it becomes current. Null when
  // the symbol table refused the name (it reported why).
  Record* add(std::string_view name) {
    const std::string* entered = symbols_.enter(name);
    if (!entered) return nullptr;
    const auto position = current_ == list_.end() ? list_.begin() : std::next(current_);
    current_ = list_.insert(position, Record{});
    current_->name = entered;
    index_.emplace(*entered, current_);
    return &*current_;
  }

  // Exact comparison; null for an empty or unknown name.
  const Record* find(std::string_view name) const {
    if (name.empty()) return nullptr;
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &*found->second;
  }

  Record* current() { return current_ == list_.end() ? nullptr : &*current_; }
  void clear_current() { current_ = list_.end(); }
  // Makes `record`, a member of this list, current.
  void make_current(const Record& record) {
    const auto found = index_.find(*record.name);
    if (found != index_.end() && &*found->second == &record) current_ = found->second;
  }

  const List& records() const { return list_; }
  List& records() { return list_; }

  // Frees every record; the names leave the symbol table.
  void release() {
    index_.clear();
    for (const Record& record : list_) symbols_.remove(*record.name);
    list_.clear();
    current_ = list_.end();
  }

 private:
  SymbolTable& symbols_;
  List list_;
  typename List::iterator current_ = list_.end();
  // Every record by its name (the symbol table's copy, which lives as long
  // as the record).
  std::unordered_map<std::string_view, typename List::iterator> index_;
};

}  // namespace zedra
