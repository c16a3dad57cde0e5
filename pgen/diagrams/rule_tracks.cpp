#include "diagrams/rule_tracks.h"

#include <utility>

#include "concat.h"
#include "diagrams/pack_track.h"
#include "listing/rule_listing.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

constexpr const char* kPackLeft = "tPackLeft";
constexpr const char* kPackRight = "tPackRight";

bool is_terminal(const Primary* primary, const char* name) {
  return primary && primary->kind == PrimaryKind::Terminal && primary->name == name;
}

// The plain secondary at the core of the operators wrapped around it.
const Secondary& core_of(const Secondary& secondary) {
  const Secondary* core = &secondary;
  while (core->kind != SecondaryKind::Plain && core->operand) core = core->operand.get();
  return *core;
}

bool opens_pack(const Item& item) {
  return !item.is_call() && item.secondary->kind == SecondaryKind::Plain &&
         is_terminal(item.secondary->primary.get(), kPackLeft);
}

bool closes_pack(const Item& item) {
  if (item.is_call()) return false;
  const Secondary& core = core_of(*item.secondary);
  return core.kind == SecondaryKind::Plain && is_terminal(core.primary.get(), kPackRight);
}

// The item that closes the pack opened at `open`; `items.size()` when
// none does.
std::size_t closing_item(const ItemList& items, std::size_t open) {
  int depth = 0;
  for (std::size_t j = open + 1; j < items.size(); ++j) {
    if (opens_pack(items[j])) ++depth;
    if (!closes_pack(items[j])) continue;
    if (depth == 0) return j;
    --depth;
  }
  return items.size();
}

// A group without operator and with a single alternative adds nothing to
// the picture: its items stand in line with their neighbours.
const Group* inline_group(const Item& item) {
  if (item.is_call() || item.secondary->kind != SecondaryKind::Plain) return nullptr;
  const Primary* primary = item.secondary->primary.get();
  if (!primary || primary->kind != PrimaryKind::Group || !primary->group) return nullptr;
  return primary->group->alternatives.size() == 1 ? primary->group.get() : nullptr;
}

class TrackBuilder {
 public:
  TrackBuilder(const Rule& rule, const DiagramSettings& settings) : rule_(rule), settings_(settings) {}

  TrackPtr group(const Group& group) {
    TrackList branches;
    for (const Alternative& alternative : group.alternatives) {
      TrackList row;
      items(alternative.items, 0, alternative.items.size(), row);
      branches.push_back(sequence_track(std::move(row)));
    }
    return choice_track(std::move(branches));
  }

 private:
  // The tracks of items[first .. last), appended to `row`.
  void items(const ItemList& list, std::size_t first, std::size_t last, TrackList& row) {
    for (std::size_t i = first; i < last; ++i) i = add_item(list, i, last, row);
  }

  // Appends the track of list[i] (a pack: of the items up to its closing
  // one); gives the index of the last item used.
  std::size_t add_item(const ItemList& list, std::size_t i, std::size_t last, TrackList& row) {
    const Item& item = list[i];
    if (item.is_call()) {
      if (settings_.action_calls) row.push_back(call(*item.call));
      return i;
    }
    if (const Group* inner = inline_group(item)) {
      const ItemList& inner_items = inner->alternatives.front().items;
      items(inner_items, 0, inner_items.size(), row);
      return i;
    }
    const std::size_t close = opens_pack(item) ? closing_item(list, i) : last;
    if (close < last) {
      row.push_back(pack(list, i, close));
      return close;
    }
    row.push_back(secondary(*item.secondary, nullptr));
    return i;
  }

  TrackPtr pack(const ItemList& list, std::size_t open, std::size_t close) {
    TrackList content;
    items(list, open + 1, close, content);
    auto closing = std::make_unique<BracketTrack>(BracketSide::Right, kPackRight);
    BracketTrack* closing_bracket = closing.get();
    TrackPtr right = secondary(*list[close].secondary, std::move(closing));
    return pack_track(std::make_unique<BracketTrack>(BracketSide::Left, kPackLeft),
                      sequence_track(std::move(content)), std::move(right), closing_bracket);
  }

  // The track of `secondary`; a non-null `core` replaces its primary.
  TrackPtr secondary(const Secondary& secondary, TrackPtr core) {
    switch (secondary.kind) {
      case SecondaryKind::Plain: return core ? std::move(core) : primary(*secondary.primary);
      case SecondaryKind::Option: return optional_track(operand(secondary, std::move(core)));
      case SecondaryKind::Seq: return loop_track(operand(secondary, std::move(core)), nullptr);
      case SecondaryKind::Clos: return optional_track(loop_track(operand(secondary, std::move(core)), nullptr));
      case SecondaryKind::Chain:
        return loop_track(operand(secondary, std::move(core)), primary(*secondary.primary));
    }
    return skip_track();
  }

  TrackPtr operand(const Secondary& secondary, TrackPtr core) {
    return secondary.operand ? this->secondary(*secondary.operand, std::move(core)) : skip_track();
  }

  TrackPtr primary(const Primary& primary) {
    switch (primary.kind) {
      case PrimaryKind::Terminal: return terminal_track(primary.name);
      case PrimaryKind::Nonterminal: return nonterminal_track(primary.name, concat({"#", rule_anchor(primary.name)}));
      case PrimaryKind::Group: return primary.group ? group(*primary.group) : skip_track();
    }
    return skip_track();
  }

  TrackPtr call(const ActionCall& call) {
    const char* arguments = call.arguments.empty() ? "()" : "(\u2026)";
    return action_track(concat({call.name, arguments}), call_text(call, rule_.name, false));
  }

  const Rule& rule_;
  const DiagramSettings& settings_;
};

}  // namespace

TrackPtr rule_track(const Rule& rule, const DiagramSettings& settings) {
  if (!rule.body) return skip_track();
  return TrackBuilder(rule, settings).group(*rule.body);
}

std::string rule_anchor(const std::string& name) { return concat({"rule-", name}); }

}  // namespace zedra
