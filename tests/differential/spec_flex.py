"""The flex scanner equivalent to a specification of spec_gen.

The rules keep sgen's order of priority: the SYMBOLS representations
first, in the order written, then the RULES in order; flex takes the
longest match and, between matches of equal length, the earlier rule,
which is what sgen does for the specifications it accepts (see
spec_automaton). Every byte is written as an octal escape, so no character
needs quoting. Keyword terminals are found by looking the lexeme up in the
table of keywords after the match, as sgen's scanner does, with the
rule's conversion first for RESERVED. A last rule matches any one
character that no other rule matches: the error with which both scanners
stop (flex_support.c).

sgen never accepts the empty string, also not for a rule that could match
it; flex could, so such a rule is written as its expression without the
empty string.
"""

from spec_gen import nullable


def byte(c):
    return "\\%03o" % c


def char_class(chars):
    out, codes = [], sorted(chars)
    i = 0
    while i < len(codes):
        j = i
        while j + 1 < len(codes) and codes[j + 1] == codes[j] + 1:
            j += 1
        out.append(byte(codes[i]) if i == j else byte(codes[i]) + "-" + byte(codes[j]))
        i = j + 1
    return "[" + "".join(out) + "]"


class Patterns:
    def __init__(self, spec):
        self.spec = spec

    def primary(self, p):
        if p[0] == "set":
            return char_class(self.spec.set_value(p[1]))
        if p[0] == "str":
            return "(" + "".join(byte(c) for c in self.spec.string(p[1])) + ")"
        return "(" + self.alternatives(p[1]) + ")"

    def factor(self, p, op):
        return self.primary(p) + {None: "", "OPTION": "?", "SEQ": "+", "CLOS": "*"}[op]

    def alternatives(self, alts):
        return "|".join("".join(self.factor(p, op) for p, op in seq) for seq in alts)

    # The same expressions without the empty string.

    def nonempty_primary(self, p):
        return "(" + self.nonempty(p[1]) + ")" if p[0] == "grp" else self.primary(p)

    def nonempty_factor(self, p, op):
        if op in ("SEQ", "CLOS"):
            return self.nonempty_primary(p) + self.primary(p) + "*"
        return self.nonempty_primary(p)

    def nonempty(self, alts):
        """A nonempty string of a sequence begins, after factors that match
        nothing, with a nonempty string of one factor."""
        options = []
        for seq in alts:
            for i, (p, op) in enumerate(seq):
                rest = "".join(self.factor(q, o) for q, o in seq[i + 1:])
                options.append("(" + self.nonempty_factor(p, op) + rest + ")")
                if not (op in ("OPTION", "CLOS") or (p[0] == "grp" and nullable(p[1]))):
                    break
        return "|".join(options)

    def rule(self, alts):
        return "(" + (self.nonempty(alts) if nullable(alts) else self.alternatives(alts)) + ")"


def action(rule):
    if rule.kind == "skip":
        return ";"
    if rule.kind == "verify":
        return "{ if (!emit_keyword(yytext, yytext)) return fail(); }"
    if rule.reserved:
        text = f'convert("{rule.reserved}", yytext)'
        if rule.attributed:
            return f'{{ if (!emit_keyword({text}, yytext)) emit("{rule.name}", yytext); }}'
        return f"{{ if (!emit_keyword({text}, yytext)) return fail(); }}"
    return f'emit("{rule.name}", yytext);'


def write_flex(spec):
    patterns = Patterns(spec)
    lines = [
        "%option noyywrap nounput noinput never-interactive 8bit",
        "%{",
        '#include "flex_support.h"',
        "%}",
        "%%",
    ]
    for name, texts in spec.symbols:
        for text in texts:
            lines.append("".join(byte(c) for c in text) + f'  emit("{name}", yytext);')
    for rule in spec.rules:
        lines.append(patterns.rule(rule.regex) + "  " + action(rule))
    lines += [".|\\n  return fail();", "%%", "const struct keyword keywords[] = {"]
    for name, text in spec.keywords:
        lines.append('  { "' + "".join(byte(c) for c in text) + f'", "{name}" }},')
    lines += ["  { 0, 0 }", "};"]
    return "\n".join(lines) + "\n"
