#include "symtab.h"

#include <string>

#include "diagnostics.h"

namespace zedra {
namespace {

constexpr const char* kCKeywords[] = {
    "auto",     "break",  "case",   "char",   "const",    "continue", "default",  "do",
    "double",   "else",   "enum",   "extern", "float",    "for",      "goto",     "if",
    "int",      "long",   "register", "return", "short",  "signed",   "sizeof",   "static",
    "struct",   "switch", "typedef", "union", "unsigned", "void",     "volatile", "while",
};

constexpr const char* kLanguageWords[] = {
    "ACTIONS", "ATTRIBUTES", "CHAIN",    "CHARSETS", "CLOS",   "CONSTANTS", "DEFAULT",
    "DEFINITIONS", "ELSE",   "GLOBAL",   "INCLUDE",  "INH",    "KEYWORDS",  "LIST",
    "LOCAL",   "OF",         "OPTION",   "OPTIONS",  "PACK",   "RESERVED",  "ROOT",
    "RULES",   "SEQ",        "SKIP",     "STRINGS",  "SYMBOLS", "SYN",      "TERMINALS",
    "TYPES",   "VERIFY",     "WITH",     "chain",    "clos",   "default",   "else",
    "global",  "inh",        "list",     "local",    "of",     "option",    "pack",
    "reserved", "seq",       "skip",     "syn",      "verify", "with",
};

// Letters and digits in the sense of the "C" locale, whatever the locale.
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The prefixes that generated code keeps for its own identifiers.
bool has_generated_prefix(std::string_view name) {
  if (name.size() < 2 || name[1] != '_') return false;
  return name[0] == 'p' || name[0] == 't' || name[0] == 'v' || name[0] == 'i';
}

}  // namespace

std::uint32_t symtab_hash(std::string_view name) {
  std::uint32_t h = 0;
  for (char c : name) h = 31u * h + static_cast<unsigned char>(upper(c));
  return h;
}

int symtab_bucket(std::string_view name) {
  return static_cast<int>(symtab_hash(name) % kSymtabBuckets);
}

std::span<const char* const> c_keywords() { return kCKeywords; }
std::span<const char* const> language_words() { return kLanguageWords; }

int reserved_lookup(std::string_view name, std::span<const char* const> words) {
  int low = 0;
  int high = static_cast<int>(words.size()) - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const int order = name.compare(words[mid]);
    if (order == 0) return mid;
    if (order > 0)
      low = mid + 1;
    else
      high = mid - 1;
  }
  return -1;
}

int SymbolTable::name_check(std::string_view name) const {
  bool legal = !name.empty() && is_letter(name[0]) && !has_generated_prefix(name);
  for (std::size_t i = 1; legal && i < name.size(); ++i)
    legal = is_letter(name[i]) || is_digit(name[i]) || name[i] == '_';
  if (!legal) {
    diagnostics_.report(Msg::IllegalName);
    return 1;
  }
  if (!reserved_test_) return 0;
  if (reserved_lookup(name, c_keywords()) >= 0) {
    diagnostics_.report(Msg::ReservedWord, std::string(name), "ANSI C");
    return 1;
  }
  if (reserved_lookup(name, language_words()) >= 0) {
    diagnostics_.report(Msg::ReservedWord, std::string(name), "ZEDRA");
    return 1;
  }
  return 0;
}

const std::string* SymbolTable::find(std::string_view name) const {
  const auto found = index_.find(name);
  return found == index_.end() ? nullptr : &*found->second;
}

const std::string* SymbolTable::enter(std::string_view name) {
  if (name.empty()) return nullptr;
  if (find(name)) {
    diagnostics_.report(Msg::DuplicateName, std::string(name));
    return nullptr;
  }
  if (name_check(name) != 0) return nullptr;
  auto& chain = buckets_[symtab_bucket(name)];
  chain.emplace_front(name);
  index_.emplace(chain.front(), chain.begin());
  return &chain.front();
}

void SymbolTable::remove(std::string_view name) {
  const auto found = index_.find(name);
  if (found == index_.end()) return;
  const auto stored = found->second;
  index_.erase(found);
  buckets_[symtab_bucket(*stored)].erase(stored);
}

void SymbolTable::dump(std::FILE* out) const {
  if (!out) return;
  std::fputs("\n\nCONTENTS OF SYMBOL TABLE:\n\n", out);
  for (int bucket = 0; bucket < kSymtabBuckets; ++bucket) {
    if (buckets_[bucket].empty()) continue;
    std::fprintf(out, "Entry %d:", bucket);
    for (const std::string& name : buckets_[bucket]) std::fprintf(out, " %s", name.c_str());
    std::fputc('\n', out);
  }
}

}  // namespace zedra
