"""Token strings to parse: random sentences of a grammar (which both
parsers must accept) and mutations of them (which mostly leave the
language): a token deleted, inserted, replaced or doubled, two neighbours
swapped, the string cut short, two sentences run together, and a few
strings of random tokens. The result is a list of pairs (tokens, True for
a sentence); duplicates are dropped; the empty string comes first.
"""

from grammar_gen import ALL_TERMINALS


def mutate(rng, tokens, other):
    t = list(tokens)
    kind = rng.randrange(8)
    pos = rng.randrange(len(t) + 1)
    if kind == 0 and t:
        del t[min(pos, len(t) - 1)]
    elif kind == 1:
        t.insert(pos, rng.choice(ALL_TERMINALS))
    elif kind == 2 and t:
        t[min(pos, len(t) - 1)] = rng.choice(ALL_TERMINALS)
    elif kind == 3 and len(t) > 1:
        i = min(pos, len(t) - 2)
        t[i], t[i + 1] = t[i + 1], t[i]
    elif kind == 4 and t:
        i = min(pos, len(t) - 1)
        t.insert(i, t[i])
    elif kind == 5:
        t = t[:pos]
    elif kind == 6:
        t = t + other
    else:
        t.insert(pos, rng.choice(t) if t else rng.choice(ALL_TERMINALS))
    return t


def token_strings(rng, bnf, derived, mutated, budget=24):
    sentences = [bnf.sentence(rng, rng.randint(1, budget)) for _ in range(derived)]
    strings = [([], False)] + [(s, True) for s in sentences]
    for _ in range(mutated):
        base = rng.choice(sentences)
        t = mutate(rng, base, rng.choice(sentences))
        if rng.random() < 0.3:
            t = mutate(rng, t, base)
        strings.append((t, False))
    for _ in range(2):
        strings.append(([rng.choice(ALL_TERMINALS) for _ in range(rng.randint(1, 6))], False))
    unique, seen = [], []
    for tokens, sentence in strings:
        if tokens in seen:
            if sentence:
                unique[seen.index(tokens)] = (tokens, True)
            continue
        seen.append(tokens)
        unique.append((tokens, sentence))
    return unique
