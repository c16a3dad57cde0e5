"""Random grammars in the extended BNF of pgen's parser dialect, and their
text as a pgen specification.

A grammar is a list of rules (name, alternatives), the first rule being the
start symbol. An alternative is a list of items, an item a secondary:

    ("base", primary, op)      a primary with an optional OPTION, SEQ, CLOS
    ("chain", secondary, primary)
    ("list", secondary, op)    CHAIN with tListSep, then the optional op
    ("pack", secondary, op)    tPackLeft, the secondary, tPackRight with op

and a primary is ("t", terminal), ("n", rule name) or ("g", alternatives),
a nested group in braces. op is None or one of "OPTION", "SEQ", "CLOS".
PACK is only ever the outermost operator of an item, since what CHAIN or
LIST would wrap after it (one of its three items) is not one secondary.

The terminals are those of the scanner in parser_tokens.inp: a letter each,
and ',', '(' and ')' for LIST and PACK.
"""

LETTERS = "abcdefgh"
TERMINALS = ["t" + c.upper() for c in LETTERS]
SPECIAL = {"tListSep": ",", "tPackLeft": "(", "tPackRight": ")"}
CHAR_OF = dict(zip(TERMINALS, LETTERS), **SPECIAL)
ALL_TERMINALS = TERMINALS + list(SPECIAL)
OPS = ("OPTION", "SEQ", "CLOS")


class Shape:
    """Size limits of a random grammar."""

    def __init__(self, max_rules=4, max_alts=3, max_items=3, max_depth=2):
        self.max_rules, self.max_alts = max_rules, max_alts
        self.max_items, self.max_depth = max_items, max_depth


def random_grammar(rng, shape):
    """A grammar of 1 to shape.max_rules rules over a random subset of the
    letter terminals, with random operators and nested groups.

    Most random grammars are not LL(1); to keep enough of them, the choices
    lean towards what LL(1) allows: an alternative mostly begins with a
    terminal that no earlier alternative of its group begins with, or with
    a later rule (so that there is little left recursion), and operators
    are rarer than plain symbols. Every lean is only a probability, so
    conflicts of every kind still come up."""
    count = rng.randint(1, shape.max_rules)
    names = [f"r{i}" for i in range(count)]
    terminals = rng.sample(TERMINALS, rng.randint(3, len(TERMINALS)))

    def op(p=0.25):
        return rng.choice(OPS) if rng.random() < p else None

    def primary(rule, depth, leading, taken):
        roll = rng.random()
        if roll < 0.12 and depth < shape.max_depth:
            return ("g", alternatives(rule, depth + 1, 2))
        if roll < 0.35:
            later = names[rule + 1:] if leading and rng.random() < 0.9 else names
            if later:
                return ("n", rng.choice(later))
        fresh = [t for t in terminals if t not in taken]
        if leading and fresh and rng.random() < 0.9:
            return ("t", rng.choice(fresh))
        return ("t", rng.choice(terminals))

    def secondary(rule, depth, leading, taken):
        sec = ("base", primary(rule, depth, leading, taken), op())
        for _ in range(2):
            roll = rng.random()
            if roll < 0.08:
                sec = ("chain", sec, separator(rule, depth))
            elif roll < 0.12:
                sec = ("list", sec, op())
            else:
                break
        if rng.random() < 0.05:
            sec = ("pack", sec, op())
        return sec

    def separator(rule, depth):
        """A CHAIN separator; now and then one that can be empty, which the
        chain loop must pass over on the first tokens of the operand."""
        if rng.random() < 0.25:
            alts = [[], [secondary(rule, depth + 1, True, set())]]
            rng.shuffle(alts)
            return ("g", alts)
        return primary(rule, depth, False, set())

    def alternatives(rule, depth, most):
        alts, taken = [], set()
        for _ in range(rng.randint(1, most)):
            size = 0 if rng.random() < 0.08 else rng.randint(1, shape.max_items)
            alt = [secondary(rule, depth, i == 0, taken) for i in range(size)]
            if alt and alt[0][0] == "base" and alt[0][1][0] == "t":
                taken.add(alt[0][1][1])
            alts.append(alt)
        return alts

    return [(name, alternatives(i, 0, shape.max_alts)) for i, name in enumerate(names)]


def write_primary(p):
    if p[0] == "g":
        return "{ " + write_alternatives(p[1]) + " }"
    return p[1]


def write_secondary(s):
    kind = s[0]
    if kind == "base":
        text = write_primary(s[1])
        return text + (" " + s[2] if s[2] else "")
    if kind == "chain":
        return write_secondary(s[1]) + " CHAIN " + write_primary(s[2])
    word = " LIST" if kind == "list" else " PACK"
    return write_secondary(s[1]) + word + (" " + s[2] if s[2] else "")


def write_alternatives(alts):
    return " | ".join(" ".join(write_secondary(s) for s in alt) for alt in alts)


def write_pgen(grammar, scanner, recovery):
    """The specification pgen reads: a program with the terminals of the
    scanner module SCANNER, with or without error recovery."""
    options = "PROGRAM" if recovery else "PROGRAM, NO_error_recovery"
    lines = [f"OPTIONS {options}.", f"INCLUDE {scanner}.", "RULES"]
    for name, alts in grammar:
        lines.append(f"  {name} : {write_alternatives(alts)} .")
    lines.append(f"ROOT {grammar[0][0]}.")
    return "\n".join(lines) + "\n"
