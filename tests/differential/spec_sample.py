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

A "long" text also holds pieces on which the scanner reads on far beyond
that buffer without finding a longer token, and then falls back to the
token it found first, as flex does: an unclosed comment after a token
that begins it, say. No token of such a piece is as long as the buffer.
"""

from spec_automaton import Positions
from spec_gen import POOL, WHITESPACE, sample


def needs_keyword(rule):
    """Whether every lexeme of RULE must be a keyword (else an error)."""
    return rule.kind == "verify" or (rule.reserved and not rule.attributed)


LEXEME_BUFFER = 255


def far_piece(rng, positions, blanks):
    """A piece that begins a token of fewer than LEXEME_BUFFER bytes and
    goes on, as a prefix of longer tokens that it never completes, for
    hundreds of bytes more; None when the tries find none. The rest of
    the piece, scanned again after the fall-back, makes no token of
    LEXEME_BUFFER bytes either."""
    for _ in range(8):
        current, text, token = None, b"", 0
        for n in range(1, rng.randint(LEXEME_BUFFER + 5, 3 * LEXEME_BUFFER)):
            chars = sorted({c for q in positions.nexts(current) for c in positions.chars[q]} - blanks)
            rng.shuffle(chars)
            for c in chars:
                after = positions.step(current, c)
                if n < LEXEME_BUFFER - 1 or not positions.accepting(after):
                    break
            else:
                break
            current, text = after, text + bytes([c])
            if positions.accepting(current):
                token = n
        if 0 < token < LEXEME_BUFFER - 1 and len(text) >= LEXEME_BUFFER and short_tokens(positions, text):
            return text
    return None


def short_tokens(positions, text):
    """Whether the longest-match scan of TEXT finds no token of
    LEXEME_BUFFER - 1 bytes or more before its end or its first error (a
    byte where no token begins: the comparison ends there)."""
    while text:
        token = positions.munch(text)
        if token == 0:
            return True
        if token >= LEXEME_BUFFER - 1:
            return False
        text = text[token:]
    return True


def random_text(rng, spec, pieces, kind):
    """About PIECES pieces. A "clean" text has a blank after most pieces
    and no lexeme that must be a keyword and is none; a "merged" text runs
    most pieces together; a "noisy" one also has stray characters."""
    blanks = sorted(spec.set_value([(None, "ws")]))
    words = [t for _, texts in spec.symbols for t in texts]
    keywords = [t for _, t in spec.keywords]
    keywords += [t.upper() for t in keywords] + [t.lower() for t in keywords]
    rules = [r for r in spec.rules if not (kind == "clean" and needs_keyword(r))]
    gap = {"clean": 0.85, "merged": 0.3, "noisy": 0.5, "long": 1.0}[kind]
    noise = 0.03 if kind == "noisy" else 0.0
    positions = Positions(spec) if kind == "long" else None
    out, since_blank = b"", 0
    for _ in range(pieces):
        roll = rng.random()
        far = far_piece(rng, positions, set(blanks)) if positions and roll < 0.3 else None
        if far:
            piece = far
        elif roll < noise:
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
