#!/bin/sh
# Runs the MiniPas front end, generated at build time by sgen and pgen from
# examples/pascal, on the bundled sample programs.
# usage: 20-minipas.sh BUILD_DIR EXAMPLES_DIR
build=$(cd "$1" && pwd)
examples=$2
minipas=$build/examples/pascal/minipas
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/pascal/*.pas "$work"/
cd "$work" || exit 1
echo "== minipas: the front end built from passcan.inp and minipas.inp"
for program in sum broken; do
  echo "-- $program.pas"
  "$minipas" "$program.pas" >out 2>&1
  status=$?
  sed 's/^/   /' out
  echo "   exit status $status (the number of errors)"
  echo "-- $program.lst"
  sed 's/^/   /' "$program.lst"
done
