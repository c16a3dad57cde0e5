#!/bin/sh
# pgen's memory with the LAST sets listed stays within the size of the
# listing. The chain of right-recursive rules r<i> : a r<i+1> | b . gives
# every rule a LAST set that names all rules after it, so both the listing
# and sets kept whole grow with the square of the chain; kept whole, they
# took ten times the listing.
# usage: listed_sets_memory.sh [sanitized]   ($PGEN names the program)
[ "$1" = sanitized ] && { echo "skipped: the sanitizers' own memory would be measured"; exit 77; }
[ -x /usr/bin/time ] || { echo "skipped: /usr/bin/time is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
awk 'BEGIN {
  print "OPTIONS last.\nTERMINALS a, b.\nRULES"
  for (i = 0; i < 2500; i++) printf "r%d : a r%d | b.\n", i, i + 1
  print "r2500 : b.\nROOT r0."
}' >chain.inp
/usr/bin/time -f "%M" -o peak "$PGEN" chain.inp >out 2>&1 || { cat out; exit 1; }
peak_kb=$(tail -n 1 peak)
listing_kb=$(($(wc -c <chain.lst) / 1024))
echo "peak $peak_kb KB, listing $listing_kb KB"
[ "$peak_kb" -lt "$listing_kb" ] || { echo "pgen took more memory than the listing it wrote"; exit 1; }
