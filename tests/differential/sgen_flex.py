"""Differential test of sgen against flex on random scanner specifications.

usage: sgen_flex.py SCRATCH_DIR   (run by run.sh under ctest)

For every seed a random specification (spec_gen) goes to sgen, and our
own position automaton of it (spec_automaton) says whether sgen must
refuse it for a transition conflict: the two verdicts must agree. For a
specification sgen accepts, its scanner (with scanner_tokens.c) and the
equivalent flex scanner (spec_flex, flex_support.c) list the tokens of the
same random texts (spec_sample), terminal and lexeme, up to the first
error; the lists must be equal line by line, the error included. What
either scanner does after an error is its own: sgen's skips the
characters it read for the failed token, flex's rule for stray characters
one character.

Specifications that need more than the 255 states, subsets or groups sgen
has room for are counted apart and not compared. The number of
specifications compared, the first seed and the number of worker
processes come from ZEDRA_DIFF_SPECS (default 25), ZEDRA_DIFF_SEED
(default 1) and ZEDRA_DIFF_JOBS (default 1); a disagreement prints the
seed, the specification and the text, keeps the case's folder below
SCRATCH_DIR and fails the test; ZEDRA_DIFF_KEEP=1 keeps every folder.
"""

import os
import random
import re
import shutil
import sys
import time

import harness
from spec_automaton import Positions
from spec_flex import write_flex
from spec_gen import random_spec
from spec_sample import random_text
from spec_text import write_spec

HERE = os.path.dirname(os.path.abspath(__file__))
CONFIG = {}
TEXTS = 7

CONFLICT = "Transition conflict detected during DFA construction"
TOO_LARGE = re.compile(r"More than \d+ \w+, cannot continue")


class Case:
    def __init__(self, seed):
        self.seed = seed
        self.dir = harness.fresh_dir(os.path.join(CONFIG["root"], f"spec-{seed}"))
        self.problems = []
        self.tokens = 0

    def fail(self, what):
        self.problems.append(what)

    def write(self, name, data):
        with open(os.path.join(self.dir, name), "wb") as f:
            f.write(data)


def build(case, spec):
    """Both scanners; False after a failure."""
    runtime = os.environ["ZEDRA_RUNTIME_DIR"]
    r = harness.compile_c(case.dir, "zscan", [os.path.join(HERE, "scanner_tokens.c"), "s.c"],
                          [case.dir, runtime, HERE], extra=['-DSCANNER_H="s.h"'])
    if r.status != 0:
        case.fail(f"the scanner s.c does not compile:\n{r.text()}")
        return False
    case.write("f.l", write_flex(spec).encode())
    r = harness.run(["flex", "-o", "f.c", "f.l"], case.dir)
    if r.status != 0:
        case.fail(f"flex refuses the translation (a fault of this test):\n{r.text()}")
        return False
    r = harness.compile_c(case.dir, "fscan", ["f.c", os.path.join(HERE, "flex_support.c")],
                          [HERE], werror=False)
    if r.status != 0:
        case.fail(f"the flex scanner does not compile:\n{r.text()}")
        return False
    return True


def unescape(lexeme):
    """The bytes of a lexeme as token_text.h prints it."""
    out, i = bytearray(), 0
    while i < len(lexeme):
        if lexeme[i] == "\\":
            out.append(int(lexeme[i + 1:i + 4], 8))
            i += 4
        else:
            out.append(ord(lexeme[i]))
            i += 1
    return bytes(out)


def hint(spec, line, errors):
    """A pointer for the reader of a disagreement at flex's token LINE,
    with sgen's scanner's messages ERRORS (bytes): whether a shorter token
    of a SKIP or VERIFY rule ends inside the token (the scanner must
    forget that kind when a longer token wins), or whether a lexeme that
    sgen's scanner looked up among the keywords is no VERIFY token."""
    positions = Positions(spec)
    kinds = {r.name: r.kind for r in spec.rules}
    notes = []
    name, _, lexeme = line.partition(" ")
    text = unescape(lexeme) if line != "error" else b""
    for n in range(1, len(text)):
        shorter = positions.winner(text[:n])
        if kinds.get(shorter) in ("skip", "verify"):
            notes.append(f"the first {n} byte(s) of flex's {name} token form a token of the"
                         f" {kinds[shorter].upper()} rule {shorter}")
            break
    found = re.search(rb"could not find keyword: '(.*)'", errors)
    if found:
        winner = positions.winner(found.group(1))
        if kinds.get(winner) != "verify" and not any(r.name == winner and r.reserved
                                                     for r in spec.rules):
            notes.append(f"sgen's scanner looked up {found.group(1)!r}, a token of {winner}")
    return "".join(f"\n  ({note})" for note in notes)


def compare_texts(case, rng, spec):
    for k in range(TEXTS):
        name = f"t{k}.txt"
        kind = ("clean", "merged", "noisy", "long")[k % 4]
        case.write(name, random_text(rng, spec, rng.randint(20, 120), kind))
        ours = harness.run(["./zscan", "-q", name], case.dir, timeout=10)
        theirs = harness.run(["./fscan", name], case.dir, timeout=10)
        if ours.status is None or ours.status != 0:
            case.fail(f"{name}: the sgen scanner ended with status {ours.status}:\n{ours.err}")
            continue
        a, b = ours.out.splitlines(), theirs.out.splitlines()
        case.tokens += len(a)
        if a != b:
            i = next(i for i in range(max(len(a), len(b)))
                     if i >= len(a) or i >= len(b) or a[i] != b[i])
            case.fail(f"{name}: token {i + 1} differs: sgen "
                      f"{a[i] if i < len(a) else '(end)'!r}, flex {b[i] if i < len(b) else '(end)'!r}"
                      f" (after {a[max(0, i - 3):i]})"
                      + hint(spec, b[i] if i < len(b) else "error", ours.raw_err))


def check(seed):
    rng = random.Random(seed)
    spec = random_spec(rng)
    case = Case(seed)
    case.write("s.inp", write_spec(rng, spec))
    sgen = harness.run([harness.tool("SGEN"), "s"], case.dir)
    text = sgen.text()
    outcome = "compared"
    expected = Positions(spec).conflicts()
    if sgen.status is None:
        case.fail("sgen did not finish")
    elif TOO_LARGE.search(text) or expected is None:
        outcome = "too large"
    elif bool(expected) != (CONFLICT in text):
        case.fail(f"transition conflicts: ours {sorted(expected)}; sgen:\n{text}")
    elif expected:
        outcome = "conflict"
    elif sgen.status != 0:
        case.fail(f"sgen refuses the specification:\n{text}")
    elif build(case, spec):
        compare_texts(case, rng, spec)
    return finish(case, outcome)


def finish(case, outcome):
    report = None
    if case.problems:
        with open(os.path.join(case.dir, "s.inp"), "rb") as f:
            spec = f.read().decode("utf-8", "backslashreplace")
        report = (f"=== seed {case.seed}: DISAGREEMENT (kept in {case.dir})\n{spec}"
                  + "\n".join(case.problems) + "\n")
    elif not CONFIG["keep"]:
        shutil.rmtree(case.dir, ignore_errors=True)
    return {"outcome": outcome, "tokens": case.tokens, "report": report}


def main():
    root = os.path.abspath(sys.argv[1])
    harness.fresh_dir(root)
    CONFIG["root"] = root
    CONFIG["keep"] = harness.env_int("ZEDRA_DIFF_KEEP", 0)
    wanted = harness.env_int("ZEDRA_DIFF_SPECS", 25)
    first = harness.env_int("ZEDRA_DIFF_SEED", 1)
    jobs = harness.env_int("ZEDRA_DIFF_JOBS", 1)
    start = time.time()
    counts = {"compared": 0, "conflict": 0, "too large": 0}
    seeds = tokens = 0
    failures = []
    for seed, result in harness.by_seed(check, first, wanted, jobs,
                                        lambda r: r["outcome"] == "compared"):
        seeds += 1
        counts[result["outcome"]] += 1
        tokens += result["tokens"]
        if result["report"]:
            failures.append(seed)
            print(result["report"], flush=True)
    harness.summary(root, (
        f"sgen/flex: {counts['compared']} specifications compared ({tokens} tokens),"
        f" {counts['conflict']} refused for transition conflicts,"
        f" {counts['too large']} too large; seeds {first}..{first + seeds - 1},"
        f" {len(failures)} with disagreements{harness.seed_list(failures)},"
        f" {time.time() - start:.1f} s"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
