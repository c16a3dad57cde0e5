"""Random scanner specifications in sgen's scanner dialect (their text is
spec_text's), and random lexemes of their rules.

A specification (Spec) holds
    charsets  [(name, [(low, high), ...])]   byte ranges; the set is their union
    strings   [(name, bytes)]
    symbols   [(terminal, [bytes, ...])]      SYMBOLS and their representations
    keywords  [(terminal, bytes)]             KEYWORDS
    rules     [Rule]                          RULES, in order
and a regular expression is a list of alternatives, each a list of factors
(primary, op) with op None, "OPTION", "SEQ" or "CLOS"; a primary is
("set", [(None, name), ("+" | "-" | "*", name), ...]), ("str", name) or
("grp", alternatives).

Blank, tab, line end and carriage return belong to the first rule that
the generator writes, a SKIP rule over a set of them, and to no other set:
so they always separate tokens, and no token or look-ahead runs across
them (the runtime keeps a lexeme in a buffer of 255 bytes). The other
characters come from a small random alphabet per specification, printable
and not (control characters, bytes 128 to 255), so that the sets
overlap.
"""

WHITESPACE = [32, 9, 10, 13]
POOL = (list(b"abcxyzABX019+-*<=>.;()'\"\\_#!") + [0x01, 0x1B, 0x7F, 0x80, 0xA0, 0xC3, 0xE9, 0xFF])
CONVERSIONS = ["get_repr", "convert_to_lower", "convert_to_upper", "delete_spaces"]
OPS = (None, "OPTION", "SEQ", "CLOS")


class Rule:
    def __init__(self, name, kind, regex, reserved=None, attributed=False):
        self.name, self.kind, self.regex = name, kind, regex    # kind: plain, skip, verify
        self.reserved, self.attributed = reserved, attributed   # conversion or None


class Spec:
    def __init__(self):
        self.charsets, self.strings, self.symbols, self.keywords, self.rules = [], [], [], [], []
        self.order = []   # the declaration sections in the order they are written

    def charset(self, name):
        ranges = dict(self.charsets)[name]
        return frozenset(c for low, high in ranges for c in range(low, high + 1))

    def string(self, name):
        return dict(self.strings)[name]

    def set_value(self, terms):
        value = set()
        for op, name in terms:
            s = self.charset(name)
            if op is None or op == "+":
                value |= s
            elif op == "-":
                value -= s
            else:
                value &= s
        return frozenset(value)


def nullable(alts):
    return any(all(op in ("OPTION", "CLOS") or (p[0] == "grp" and nullable(p[1]))
                   for p, op in seq) for seq in alts)


def random_spec(rng):
    spec = Spec()
    alphabet = rng.sample(POOL, rng.randint(5, 10))

    spec.charsets.append(("ws", [(32, 32)] + [(c, c) for c in WHITESPACE[1:] if rng.random() < 0.5]))
    for i in range(rng.randint(2, 5)):
        ranges = []
        for _ in range(rng.randint(1, 3)):
            a, b = sorted((rng.choice(alphabet), rng.choice(alphabet)))
            low, high = (a, a) if rng.random() < 0.5 else (a, b)
            if any(low <= w <= high for w in WHITESPACE):
                low = high = b   # blanks stay the blank rule's own
            # sgen wants the ranges of one set disjoint (message 34)
            if all(high < lo or hi < low for lo, hi in ranges):
                ranges.append((low, high))
        spec.charsets.append((f"c{i}", ranges))
    for i in range(rng.randint(0, 2)):
        spec.strings.append((f"s{i}", bytes(rng.choice(alphabet) for _ in range(rng.randint(1, 3)))))
    names = [name for name, _ in spec.charsets[1:]]

    def set_expression():
        while True:
            terms = [(None, rng.choice(names))]
            while rng.random() < 0.3:
                terms.append((rng.choice("+-*"), rng.choice(names)))
            if spec.set_value(terms):
                return ("set", terms)

    def regex(depth):
        alts = []
        for _ in range(1 if rng.random() < 0.7 else 2):
            seq = []
            for _ in range(rng.randint(1, 3)):
                roll = rng.random()
                if roll < 0.15 and spec.strings:
                    p = ("str", rng.choice(spec.strings)[0])
                elif roll < 0.3 and depth < 2:
                    p = ("grp", regex(depth + 1))
                else:
                    p = set_expression()
                seq.append((p, rng.choice(OPS) if rng.random() < 0.45 else None))
            alts.append(seq)
        return alts

    spec.rules.append(Rule("blanks", "skip", [[(("set", [(None, "ws")]), "SEQ")]]))
    used = set()   # a representation belongs to one terminal (message 38)
    for i in range(rng.randint(0, 4)):
        texts = {bytes(rng.choice(alphabet) for _ in range(rng.randint(1, 3)))
                 for _ in range(1 if rng.random() < 0.7 else 2)} - used
        if texts:
            used |= texts
            spec.symbols.append((f"L{len(spec.symbols)}", sorted(texts)))
    for i in range(rng.randint(1, 4)):
        kind = "skip" if rng.random() < 0.15 else "plain"
        spec.rules.append(Rule(f"T{i}", kind, regex(0), attributed=rng.random() < 0.1))
    if rng.random() < 0.5:
        add_keywords(rng, spec, regex(0), used)
    rng.shuffle(spec.rules)
    spec.order = ["CHARSETS", "STRINGS", "SYMBOLS", "KEYWORDS", "ATTRIBUTES"]
    rng.shuffle(spec.order)
    return spec


def add_keywords(rng, spec, regex, used):
    """A rule whose lexemes are looked up among keywords (VERIFY, or
    RESERVED with a conversion, with or without attributes), and keywords
    taken from its own lexemes, so that some are found."""
    kind = rng.choice(["verify", "reserved", "reserved"])
    conversion = rng.choice(CONVERSIONS) if kind == "reserved" else None
    rule = Rule("W", "verify" if kind == "verify" else "plain", regex, conversion,
                attributed=kind == "reserved" and rng.random() < 0.7)
    spec.rules.append(rule)
    texts = set()
    for _ in range(rng.randint(1, 4)):
        text = sample(rng, spec, regex)
        if conversion == "convert_to_lower" and rng.random() < 0.8:
            text = text.lower()
        elif conversion == "convert_to_upper" and rng.random() < 0.8:
            text = text.upper()
        if text and text not in used and not any(c in WHITESPACE for c in text):
            texts.add(text)
    spec.keywords = [(f"K{i}", text) for i, text in enumerate(sorted(texts))]
    if not spec.keywords:
        spec.rules.remove(rule)


def sample(rng, spec, alts, limit=16):
    """A random lexeme of ALTS (bytes) of at most LIMIT bytes; b"" when
    the tries give none."""
    def primary(p):
        if p[0] == "set":
            return bytes([rng.choice(sorted(spec.set_value(p[1])))])
        if p[0] == "str":
            return spec.string(p[1])
        return expression(p[1])

    def expression(alternatives):
        out = b""
        for p, op in rng.choice(alternatives):
            count = {None: 1, "OPTION": rng.randint(0, 1),
                     "SEQ": rng.randint(1, 3), "CLOS": rng.randint(0, 3)}[op]
            for _ in range(count):
                out += primary(p)
        return out

    for _ in range(8):
        text = expression(alts)
        if text and len(text) <= limit:
            return text
    return b""
