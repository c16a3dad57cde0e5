// The one name space of a specification: every global name (type, type
// value, constant, action, attribute, rule, character set, string) is
// entered here exactly once, in 101 hash buckets. Records point at the
// stored copy of their name.
#pragma once

#include <cstdint>
#include <cstdio>
#include <list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zedra {

class Diagnostics;

inline constexpr int kSymtabBuckets = 101;

// The bucket of a name: h = 31 * h + toupper(c) over 32-bit unsigned
// arithmetic, modulo 101. Names that differ in case share a bucket.
std::uint32_t symtab_hash(std::string_view name);
int symtab_bucket(std::string_view name);

// The sorted reserved-word tables of the name rule.
std::span<const char* const> c_keywords();      // 32 ANSI C keywords
std::span<const char* const> language_words();  // 48 words of the specification language
// Binary search with case-sensitive comparison: the index, or -1.
int reserved_lookup(std::string_view name, std::span<const char* const> words);

class SymbolTable {
 public:
  explicit SymbolTable(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  // Enters `name` and gives the stored copy; null for an empty name, for a
  // name already present (Msg::DuplicateName) and for an illegal name
  // (Msg::IllegalName or Msg::ReservedWord from `name_check`).
  const std::string* enter(std::string_view name);
  // The stored copy of `name` (exact, case-sensitive), or null.
  const std::string* find(std::string_view name) const;
  // Removes `name` and frees its copy; nothing when absent.
  void remove(std::string_view name);

  // 0 when `name` is legal, 1 when rejected (the reason is reported as
  // Msg::IllegalName or, with the reserved-word test on, Msg::ReservedWord).
  int name_check(std::string_view name) const;
  // The process-wide switch of the reserved-word test (off at the start).
  void set_reserved_test(bool on) { reserved_test_ = on; }
  bool reserved_test() const { return reserved_test_; }

  // Writes "\n\nCONTENTS OF SYMBOL TABLE:\n\n" and a line "Entry %d:" with
  // " %s" per name (newest first) for every non-empty bucket.
  void dump(std::FILE* out) const;

  std::size_t size() const { return index_.size(); }

 private:
  Diagnostics& diagnostics_;
  bool reserved_test_ = false;
  std::list<std::string> buckets_[kSymtabBuckets];
  // Beside the buckets, for lookups and removals that do not walk a chain.
  std::unordered_map<std::string_view, std::list<std::string>::iterator> index_;
};

}  // namespace zedra
