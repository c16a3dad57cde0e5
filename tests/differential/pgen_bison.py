"""Differential test of pgen against bison on random grammars.

usage: pgen_bison.py SCRATCH_DIR   (run by run.sh under ctest)

For every seed a random grammar (grammar_gen) goes to pgen, and its plain
BNF (grammar_bnf) to our own LL(1) test: pgen must generate a parser for
exactly the grammars whose BNF is LL(1), name the same rules in its
conflict messages, and refuse (message 63) exactly the rules that derive
no terminal string. For a grammar pgen accepts, the parsers it generates
with and without error recovery and a canonical LR(1) parser that bison
generates from the BNF read the same token strings (grammar_inputs):

- bison accepts  <=> either ZEDRA parser ends with status 0 and no message;
- with recovery, the exit status is the number of messages (every
  insertion and deletion counts as an error), and the first message stands
  at the line of the token at which bison's parser found the error (for an
  error at the end of the input, the line of the last token, where the
  reading stands then; each token has a line of its own);
- without recovery there is exactly one message, "Parser expected ...,
  found X", and X is the token at which bison's parser found the error (or
  the end of the input): both parsers detect an error at the first token
  that cannot continue the input.

The number of grammars compared (those pgen accepts), the first seed and
the number of worker processes come from ZEDRA_DIFF_GRAMMARS (default 25),
ZEDRA_DIFF_SEED (default 1) and ZEDRA_DIFF_JOBS (default 1). A
disagreement prints the seed, the grammar and the input, keeps the case's
folder below SCRATCH_DIR and fails the test; ZEDRA_DIFF_KEEP=1 keeps the
folders of all cases.
"""

import os
import random
import re
import shutil
import sys
import time

import harness
from grammar_bison import write_bison
from grammar_bnf import Bnf
from grammar_gen import CHAR_OF, Shape, random_grammar, write_pgen
from grammar_inputs import token_strings

HERE = os.path.dirname(os.path.abspath(__file__))
SCANNER = "ptoks"
CONFIG = {}

LINE = re.compile(r"^[^:]*:(\d+): ")
EXPECTED = re.compile(r"^[^:]*:(\d+): Error: Parser expected .*, found '([^']*)' \(lexeme = '.*'\)$")
CONFLICT = re.compile(r"Error: Rule '(\w+)': (dirset|first and follow|\(union)")
ENDLESS = re.compile(r"Error: Rule '(\w+)': cannot reduce due to \(endless\) recursion")


# With ZEDRA_DIFF_WIDE=1 the scanner has this many keywords more, which no
# grammar uses: the parsers then have more than 128 tokens, which the fast
# shape keeps in sets listed once (run so with ZEDRA_SHAPE=fast).
WIDE_PADDING = 130


def scanner_text():
    """parser_tokens.inp, with the padding keywords when asked for."""
    with open(os.path.join(HERE, "parser_tokens.inp")) as f:
        text = f.read()
    if os.environ.get("ZEDRA_DIFF_WIDE") != "1":
        return text
    keywords = "".join(f"  tPad{k} : Q{chr(65 + k // 26)}{chr(65 + k % 26)} .\n"
                       for k in range(WIDE_PADDING))
    text = text.replace("CHARSETS\n", "KEYWORDS\n" + keywords + "\nCHARSETS\n  upper : ['A'..'Z'] .\n")
    return text.replace("  tBlank : SKIP : blank SEQ .",
                        "  tBlank : SKIP : blank SEQ .\n  tWord : VERIFY : upper SEQ .")


def prepare(root):
    """The scanner that every generated parser is linked with, built once."""
    with open(os.path.join(root, SCANNER + ".inp"), "w") as f:
        f.write(scanner_text())
    r = harness.run([harness.tool("SGEN"), SCANNER], root)
    if r.status != 0:
        sys.exit("sgen failed on the token scanner:\n" + r.text())
    r = harness.compile_c(root, SCANNER + ".o", [SCANNER + ".c"],
                          [root, os.environ["ZEDRA_RUNTIME_DIR"]], object_only=True)
    if r.status != 0:
        sys.exit("the token scanner does not compile:\n" + r.text())


def candidate(rng):
    """A random grammar of a random size whose rules are all reachable from
    the start rule."""
    shape = Shape(max_rules=rng.randint(2, 6), max_alts=rng.randint(2, 3),
                  max_items=rng.randint(2, 4), max_depth=rng.randint(1, 3))
    while True:
        grammar = random_grammar(rng, shape)
        bnf = Bnf(grammar)
        if set(bnf.named) <= bnf.reachable():
            return grammar, bnf


class Case:
    """One grammar in its folder; fail() records a disagreement."""

    def __init__(self, seed):
        self.seed = seed
        self.dir = harness.fresh_dir(os.path.join(CONFIG["root"], f"grammar-{seed}"))
        self.problems = []
        self.inputs = self.accepted = 0

    def fail(self, what):
        self.problems.append(what)

    def path(self, name):
        return os.path.join(self.dir, name)

    def write(self, name, text):
        with open(self.path(name), "w") as f:
            f.write(text)


def run_pgen(case, name, grammar, recovery):
    if not os.path.exists(case.path(SCANNER + ".inc")):
        shutil.copy(os.path.join(CONFIG["root"], SCANNER + ".inc"), case.dir)
    case.write(name + ".inp", write_pgen(grammar, SCANNER, recovery))
    return harness.run([harness.tool("PGEN"), name], case.dir)


def check_verdict(case, bnf, pgen):
    """pgen's verdict on the grammar against ours; True when it is LL(1)."""
    productive = bnf.productive()
    endless = sorted(r for r in bnf.named if r not in productive)
    if bnf.start in endless:
        endless = sorted(endless + ["ROOT"])  # the ROOT rule derives the start rule
    if endless:
        found = sorted(set(ENDLESS.findall(pgen.text())))
        if pgen.status == 0 or found != endless:
            case.fail(f"rules without a terminal string: expected {endless}, pgen said {found}"
                      f" (status {pgen.status})")
        return False
    conflicts = sorted({bnf.owner[nt] for nt in bnf.ll1_conflicts()})
    found = sorted({m.group(1) for m in CONFLICT.finditer(pgen.text())})
    if pgen.status is None:
        case.fail("pgen did not finish")
    elif conflicts != found or (pgen.status == 0) != (not conflicts):
        case.fail(f"LL(1) verdict: our test finds conflicts in {conflicts}, pgen in {found}"
                  f" (status {pgen.status})")
    return pgen.status == 0 and not conflicts


def build(case, bnf):
    """The two ZEDRA parsers and the bison parser; False after a failure."""
    root = CONFIG["root"]
    include = [root, os.environ["ZEDRA_RUNTIME_DIR"]]
    for name in ("g", "n"):
        r = harness.compile_c(case.dir, "z" + name, [name + ".c", os.path.join(root, SCANNER + ".o")],
                              include)
        if r.status != 0:
            case.fail(f"the parser {name}.c does not compile:\n{r.text()}")
            return False
    case.write("b.y", write_bison(bnf))
    r = harness.run(["bison", "-o", "b.c", "b.y"], case.dir)
    if r.status != 0 or "conflict" in r.err:
        case.fail(f"bison refuses the BNF (a fault of this test's translation):\n{r.text()}")
        return False
    r = harness.compile_c(case.dir, "b", ["b.c", os.path.join(HERE, "bison_driver.c")], werror=False)
    if r.status != 0:
        case.fail(f"the bison parser does not compile:\n{r.text()}")
        return False
    return True


def zedra_lines(result):
    return [line for line in result.text().splitlines() if line.strip()]


def compare(tokens, bison, with_recovery, without):
    """The disagreements of the ZEDRA parsers with bison's verdict on TOKENS."""
    problems = []
    accept = bison == "accept"
    rec = zedra_lines(with_recovery)
    if with_recovery.status is None:
        problems.append("the parser with recovery did not finish")
    elif accept != (with_recovery.status == 0 and not rec):
        problems.append(f"with recovery: status {with_recovery.status}, {len(rec)} message(s)")
    elif with_recovery.status != len(rec):
        problems.append(f"with recovery: status {with_recovery.status} for {len(rec)} message(s)")
    elif not accept:
        at = LINE.match(rec[0])
        line = int(at.group(1)) if at else 0
        index = len(tokens) if bison == "reject EOF" else int(bison.split()[1])
        if line != index:
            problems.append(f"with recovery: the first message is on line {line}, not {index}")
    plain = zedra_lines(without)
    if without.status is None:
        problems.append("the parser without recovery did not finish")
    elif accept:
        if without.status != 0 or plain:
            problems.append(f"without recovery: status {without.status}, {len(plain)} message(s)")
    else:
        match = EXPECTED.match(plain[0]) if len(plain) == 1 else None
        if without.status == 0 or not match:
            problems.append(f"without recovery: status {without.status}, messages {plain}")
        else:
            line, found = int(match.group(1)), match.group(2)
            if bison == "reject EOF":
                if found != "End of file":
                    problems.append(f"without recovery: error at {found}, line {line}")
            else:
                index = int(bison.split()[1])
                if found != tokens[index - 1] or line != index:
                    problems.append(f"without recovery: error at {found}, line {line}")
    return problems


def check(seed):
    rng = random.Random(seed)
    grammar, bnf = candidate(rng)
    case = Case(seed)
    pgen = run_pgen(case, "g", grammar, True)
    compared = False
    if check_verdict(case, bnf, pgen):
        plain = run_pgen(case, "n", grammar, False)
        if plain.status != 0:
            case.fail(f"pgen refuses the grammar without recovery:\n{plain.text()}")
        elif build(case, bnf):
            compared = True
            compare_inputs(case, rng, bnf)
    return finish(case, compared)


def compare_inputs(case, rng, bnf):
    strings = token_strings(rng, bnf, derived=12, mutated=24, budget=40)
    names = []
    for k, (tokens, _) in enumerate(strings):
        names.append(f"i{k}.tok")
        case.write(names[-1], "".join(CHAR_OF[t] + "\n" for t in tokens))
    verdicts = harness.run(["./b"] + names, case.dir).out.split("\n")
    for k, ((tokens, sentence), name) in enumerate(zip(strings, names)):
        bison = verdicts[k] if k < len(verdicts) else "(no verdict)"
        case.inputs += 1
        case.accepted += bison == "accept"
        if sentence and bison != "accept":
            case.fail(f"{name} {' '.join(tokens)}: bison rejects a sentence of the grammar")
            continue
        rec = harness.run(["./zg", "-q", name], case.dir, timeout=10)
        plain = harness.run(["./zn", "-q", name], case.dir, timeout=10)
        for problem in compare(tokens, bison, rec, plain):
            case.fail(f"{name} [{' '.join(tokens)}]: bison says {bison}; {problem}\n"
                      f"  with recovery (status {rec.status}):\n    "
                      + "\n    ".join(zedra_lines(rec)[:8])
                      + f"\n  without recovery (status {plain.status}):\n    "
                      + "\n    ".join(zedra_lines(plain)[:3]))


def finish(case, compared):
    if not case.problems:
        if not CONFIG["keep"]:
            shutil.rmtree(case.dir, ignore_errors=True)
        return {"compared": compared, "report": None, "inputs": case.inputs,
                "accepted": case.accepted}
    with open(case.path("g.inp")) as f:
        grammar = f.read()
    report = (f"=== seed {case.seed}: DISAGREEMENT (kept in {case.dir})\n{grammar}"
              + "\n".join(case.problems) + "\n")
    return {"compared": compared, "report": report, "inputs": case.inputs,
            "accepted": case.accepted}


def main():
    root = os.path.abspath(sys.argv[1])
    harness.fresh_dir(root)
    CONFIG["root"] = root
    CONFIG["keep"] = harness.env_int("ZEDRA_DIFF_KEEP", 0)
    wanted = harness.env_int("ZEDRA_DIFF_GRAMMARS", 25)
    first = harness.env_int("ZEDRA_DIFF_SEED", 1)
    jobs = harness.env_int("ZEDRA_DIFF_JOBS", 1)
    prepare(root)
    start = time.time()
    seeds = compared = inputs = accepted = 0
    failures = []
    for seed, result in harness.by_seed(check, first, wanted, jobs, lambda r: r["compared"]):
        seeds += 1
        compared += result["compared"]
        inputs += result["inputs"]
        accepted += result["accepted"]
        if result["report"]:
            failures.append(seed)
            print(result["report"], flush=True)
    harness.summary(root, (
        f"pgen/bison: {compared} grammars compared on {inputs} token strings"
        f" ({accepted} accepted), {seeds - compared} refused (not LL(1), or rules"
        f" without a terminal string); seeds {first}..{first + seeds - 1},"
        f" {len(failures)} with disagreements{harness.seed_list(failures)},"
        f" {time.time() - start:.1f} s"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
