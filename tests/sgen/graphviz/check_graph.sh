#!/bin/sh
# Checks the graphs that "sgen --graph" writes against Graphviz and against
# the diagrams in the listing.
#
# usage: check_graph.sh SPEC
#
# The specification is run with all three listing diagrams switched on and
# each of --graph=nfa, --graph=dfa and --graph. Every graph must be
# accepted by "dot -Tsvg" without a warning. Laid out by "dot -Tplain", its
# nodes must be the states of the listing's table (for the minimal
# automaton as many as "Number of MDFA states"; dead states have no node),
# its double circles the states with <accept>, and its edges the pairs of
# state and next state of the table, each pair once: the characters of all
# transitions between two states stand on one edge. Without Graphviz (and
# without the means to install it) the test is skipped.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../lib/need_tool.sh"
need_tool dot graphviz

spec=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  exit 1
}

name=$(basename "$spec")
module=$(echo "${name%.*}" | cut -c1-8)
{
  echo "OPTIONS nfadiagram, dfadiagram, mdfadiagram, no_generate."
  cat "$spec"
} >"$name"

# "node N", "accept N" and "edge N M" lines of the listing's table TITLE;
# next states that are no state of the table (the NFA's end marker) are
# left out.
table_of_listing() {
  awk -v title="$1" '
    $1 == title && $2 == "NEXT" { inside = 1; next }
    /^(INITIAL STATE|Number of|NEW SUBSETS|ALL SUBSETS|NFA state)/ { inside = 0 }
    !inside { next }
    /^[ 0-9][ 0-9][0-9]/ { state = $1; node[state] = 1; if ($2 ~ /^[0-9]+$/) edges[state " " $2] = 1 }
    /^   / && $1 ~ /^[0-9]+$/ && $2 ~ /^\[/ { edges[state " " $1] = 1 }
    /<accept>/ { accept[state] = 1 }
    END {
      for (n in node) print "node " n
      for (n in accept) print "accept " n
      for (e in edges) { split(e, pair, " "); if (pair[2] in node) print "edge " e }
    }' "$module.lst" | sort
}

# The same lines from the layout of a graph; the start marker is no state.
table_of_graph() {
  awk '
    $1 == "node" && $2 ~ /^s[0-9]+$/ { n = substr($2, 2); print "node " n; if ($(NF - 2) == "doublecircle") print "accept " n }
    $1 == "edge" && $2 ~ /^s[0-9]+$/ { print "edge " substr($2, 2) " " substr($3, 2) }' "$1" | sort
}

report=$module
for kind in nfa dfa mdfa; do
  "$SGEN" "$name" "--graph=$kind" >sgen.out || fail "sgen --graph=$kind: $(cat sgen.out)"
  [ -f "$module.dot" ] || fail "sgen --graph=$kind wrote no $module.dot: $(cat sgen.out)"
  mv "$module.dot" "$kind.dot"
  dot -Tsvg "$kind.dot" -o "$kind.svg" 2>dot.err || fail "dot rejects the $kind graph: $(cat dot.err)"
  [ -s dot.err ] && fail "dot warns about the $kind graph: $(cat dot.err)"
  grep -q '<svg' "$kind.svg" || fail "dot made no picture of the $kind graph"
  dot -Tplain "$kind.dot" >"$kind.plain" || fail "dot cannot lay out the $kind graph"

  table_of_graph "$kind.plain" >"$kind.graph"
  [ -z "$(grep '^edge' "$kind.graph" | uniq -d)" ] || fail "the $kind graph has parallel edges: $(grep '^edge' "$kind.graph" | uniq -d)"
  title=$(echo "$kind" | tr a-z A-Z)
  table_of_listing "$title" >"$kind.table"
  [ -s "$kind.table" ] || fail "no $title table in the listing"
  diff "$kind.table" "$kind.graph" >"$kind.diff" || fail "the $kind graph differs from the listing's $title table
(< listing, > graph):
$(cat "$kind.diff")"
  nodes=$(grep -c '^node' "$kind.graph")
  edges=$(grep -c '^edge' "$kind.graph")
  report="$report; $kind: $nodes states, $edges edges"
done

count=$(sed -n 's/^Number of MDFA states : *//p' "$module.lst")
nodes=$(grep -c '^node' mdfa.graph)
[ "$count" = "$nodes" ] || fail "the minimal automaton has $count states in the listing, $nodes nodes in the graph"
dead=$(sed -n 's/^Dead states *: \[\(.*\)\]$/\1/p' "$module.lst")
if [ -n "$dead" ]; then
  grep -q "dead states not drawn" mdfa.dot || fail "the graph does not say that dead states [$dead] are not drawn"
  report="$report; dead states [$dead] not drawn"
fi
echo "$report: as in the listing"
