"""The random texts that both scanners of the sgen differential test read.

A text is a run of pieces: the representations of the SYMBOLS, keywords
(in upper and lower case too), lexemes of the rules, in noisy texts now
and then a character from the pool that may start no token at all;
between pieces nothing or a few characters of the blank rule. Pieces run
together test the longest match; a blank comes at least every four
pieces. Only the blank rule reads blanks, so no lexeme and no look-ahead
runs across one, and the lexemes stay far below the 255 bytes of the
runtime's lexeme buffer, a limit that flex does not have; runs of blanks,
which are skipped, are sometimes longer than that.
"""

from spec_gen import POOL, WHITESPACE, sample


def needs_keyword(rule):
    """Whether every lexeme of RULE must be a keyword (else an error)."""
    return rule.kind == "verify" or (rule.reserved and not rule.attributed)


def random_text(rng, spec, pieces, kind):
    """About PIECES pieces. A "clean" text has a blank after most pieces
    and no lexeme that must be a keyword and is none; a "merged" text runs
    most pieces together; a "noisy" one also has stray characters."""
    blanks = sorted(spec.set_value([(None, "ws")]))
    words = [t for _, texts in spec.symbols for t in texts]
    keywords = [t for _, t in spec.keywords]
    keywords += [t.upper() for t in keywords] + [t.lower() for t in keywords]
    rules = [r for r in spec.rules if not (kind == "clean" and needs_keyword(r))]
    gap = {"clean": 0.85, "merged": 0.3, "noisy": 0.5}[kind]
    noise = 0.03 if kind == "noisy" else 0.0
    out, since_blank = b"", 0
    for _ in range(pieces):
        roll = rng.random()
        if roll < noise:
            piece = bytes([rng.choice(POOL)])
        elif roll < 0.25 and words:
            piece = rng.choice(words)
        elif roll < 0.4 and keywords:
            piece = rng.choice(keywords)
        else:
            piece = sample(rng, spec, rng.choice(rules).regex)
        out += piece
        since_blank += 1
        if since_blank >= 4 or rng.random() < gap:
            # now and then a blank run longer than the lexeme buffer: a
            # skipped token may be of any length
            count = rng.randint(256, 700) if rng.random() < 0.03 else rng.randint(1, 2)
            out += bytes(rng.choice(blanks) for _ in range(count))
            since_blank = 0
    assert all(c not in WHITESPACE or c in blanks for c in out)
    return out
