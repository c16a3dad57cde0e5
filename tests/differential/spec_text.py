"""The text of a specification of spec_gen, as sgen reads it. The
notations vary at random: a character in a set is written quoted in
single or double quotes, as an octal escape or by its name (SP, HT, LF,
CR, SOH, ESC, DEL); a string in single or double quotes, with its
escapes.
"""

from spec_gen import WHITESPACE


def char_text(rng, c):
    names = {1: "SOH", 9: "HT", 10: "LF", 13: "CR", 27: "ESC", 32: "SP", 127: "DEL"}
    if c in names and (c in WHITESPACE or rng.random() < 0.5):
        return names[c]
    if 33 <= c <= 126:
        roll = rng.random()
        if roll < 0.6:
            return f"'{chr(c)}'"
        if roll < 0.8:
            return f'"{chr(c)}"'
    return "'\\%03o'" % c


def literal_text(rng, data):
    """A quoted literal of the scanner dialect whose value is DATA."""
    if b"\\" not in data and rng.random() < 0.4:
        return b'"' + data.replace(b'"', b'\\"') + b'"'
    return b"'" + data.replace(b"\\", b"\\\\").replace(b"'", b"\\'") + b"'"


def regex_text(alts):
    def primary(p):
        if p[0] == "set":
            return " ".join((op + " " if op else "") + name for op, name in p[1])
        if p[0] == "str":
            return p[1]
        return "{ " + regex_text(p[1]) + " }"
    return " | ".join(" ".join(primary(p) + (" " + op if op else "") for p, op in seq)
                      for seq in alts)


def write_spec(rng, spec):
    """The specification as bytes, as sgen reads it."""
    out = [b"(* a random scanner specification *)"]
    for section in spec.order:
        if section == "CHARSETS":
            out.append(b"CHARSETS")
            for name, ranges in spec.charsets:
                items = [char_text(rng, lo) if lo == hi else
                         char_text(rng, lo) + ".." + char_text(rng, hi) for lo, hi in ranges]
                out.append(f"  {name} : [{', '.join(items)}] .".encode())
        elif section == "STRINGS" and spec.strings:
            out.append(b"STRINGS")
            for name, data in spec.strings:
                out.append(f"  {name} : ".encode() + literal_text(rng, data) + b" .")
        elif section == "SYMBOLS" and spec.symbols:
            out.append(b"SYMBOLS")
            for name, texts in spec.symbols:
                out.append(f"  {name} : ".encode() + b" | ".join(texts) + b" .")
        elif section == "KEYWORDS" and spec.keywords:
            out.append(b"KEYWORDS")
            for name, text in spec.keywords:
                out.append(f"  {name} : ".encode() + text + b" .")
        elif section == "ATTRIBUTES":
            owners = [r.name for r in spec.rules if r.attributed]
            if owners:
                out.append(b"ATTRIBUTES")
                out.append(f"  val : string SYN OF {', '.join(owners)} .".encode())
    out.append(b"RULES")
    for r in spec.rules:
        head = {"plain": "", "skip": "SKIP : ", "verify": "VERIFY : "}[r.kind]
        tail = f" RESERVED {r.reserved}() ELSE" if r.reserved else ""
        tail += " val = get_repr()" if r.attributed else ""
        out.append(f"  {r.name} : {head}{regex_text(r.regex)}{tail} .".encode())
    return b"\n".join(out) + b"\n"
