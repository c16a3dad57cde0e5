#include "model/rule_model.h"

#include <string>
#include <utility>

#include "cformat.h"

namespace zedra {

const Local* Rule::find_local(const std::string& local_name) const {
  if (indexed_ > locals.size()) {
    local_index_.clear();
    indexed_ = 0;
  }
  for (; indexed_ < locals.size(); ++indexed_) local_index_.emplace(locals[indexed_].name, indexed_);
  const auto found = local_index_.find(local_name);
  return found == local_index_.end() ? nullptr : &locals[found->second];
}

Local* Rule::find_local(const std::string& local_name) {
  return const_cast<Local*>(std::as_const(*this).find_local(local_name));
}

Rule* RuleList::find(const std::string& name) const {
  for (const auto& rule : rules)
    if (rule->name == name) return rule.get();
  return nullptr;
}

Rule& RuleList::append(std::string name) {
  auto rule = std::make_unique<Rule>();
  rule->name = std::move(name);
  rules.push_back(std::move(rule));
  return *rules.back();
}

namespace {

std::unique_ptr<Secondary> wrap(std::unique_ptr<Secondary> operand, SecondaryKind kind) {
  auto outer = std::make_unique<Secondary>();
  outer->kind = kind;
  outer->operand = std::move(operand);
  return outer;
}

// Wraps `operand` by a postfix operator; any other kind leaves it as it is.
std::unique_ptr<Secondary> wrap_operator(std::unique_ptr<Secondary> operand, SecondaryKind op) {
  switch (op) {
    case SecondaryKind::Option:
    case SecondaryKind::Seq:
    case SecondaryKind::Clos: return wrap(std::move(operand), op);
    case SecondaryKind::Plain:
    case SecondaryKind::Chain: break;
  }
  return operand;
}

}  // namespace

std::unique_ptr<Primary> make_name_primary(std::string name, int line) {
  auto primary = std::make_unique<Primary>();
  primary->name = std::move(name);
  primary->line = line;
  return primary;
}

std::unique_ptr<Primary> make_group_primary(std::unique_ptr<Group> group) {
  auto primary = std::make_unique<Primary>();
  primary->kind = PrimaryKind::Group;
  primary->group = std::move(group);
  return primary;
}

Item make_secondary(std::unique_ptr<Primary> primary, SecondaryKind op) {
  auto plain = std::make_unique<Secondary>();
  plain->primary = std::move(primary);
  Item item;
  item.secondary = wrap_operator(std::move(plain), op);
  return item;
}

void make_chain(ItemList& items, std::unique_ptr<Primary> separator) {
  Item& first = items.front();
  first.secondary = wrap(std::move(first.secondary), SecondaryKind::Chain);
  first.secondary->primary = std::move(separator);
}

void make_list(ItemList& items, SecondaryKind op, int line) {
  make_chain(items, make_name_primary("tListSep", line));
  Item& first = items.front();
  first.secondary = wrap_operator(std::move(first.secondary), op);
}

void make_pack(ItemList& items, SecondaryKind op, int line) {
  ItemList packed;
  packed.reserve(items.size() + 2);
  packed.push_back(make_secondary(make_name_primary("tPackLeft", line), SecondaryKind::Plain));
  for (Item& item : items) packed.push_back(std::move(item));
  packed.push_back(make_secondary(make_name_primary("tPackRight", line), op));
  items = std::move(packed);
}

Item make_call_item(std::unique_ptr<ActionCall> call) {
  Item item;
  item.call = std::move(call);
  return item;
}

const char* secondary_keyword(SecondaryKind kind) {
  switch (kind) {
    case SecondaryKind::Option: return "OPTION";
    case SecondaryKind::Seq: return "SEQ";
    case SecondaryKind::Clos: return "CLOS";
    case SecondaryKind::Chain: return "CHAIN";
    case SecondaryKind::Plain: break;
  }
  return "";
}

std::string attribute_instance_text(const std::string& attribute, const std::string& symbol,
                                    int number, const std::string& current_rule,
                                    bool always_number) {
  bool shortened = number == 0 || (number == 1 && symbol != current_rule);
  if (shortened && !always_number) return format("%s of %s", attribute.c_str(), symbol.c_str());
  return format("%s of %s#%d", attribute.c_str(), symbol.c_str(), number);
}

}  // namespace zedra
