"""Which random specifications sgen must refuse: our own position
automaton of a specification of spec_gen and the transition-conflict rule.

Every character-set primary and every character of a string or of a
SYMBOLS representation is one position; a position is entered on its
characters, and the last positions of a rule or representation accept its
terminal. Reading an input leads to the set of positions that the input
can end in. sgen refuses a specification (transition conflict) when some
input ends in two accepting positions of two terminals whose character
sets are equal or one inside the other (two positions of one terminal
accept it either way); when the sets merely overlap, the terminal declared
first wins, as in flex. Positions are numbered in reading order, the
SYMBOLS before the RULES, as sgen numbers its states.
"""

from spec_gen import Spec


class Positions:
    def __init__(self, spec: Spec):
        self.spec = spec
        self.chars, self.follow, self.accepts = [], [], []
        self.starts = set()
        for name, texts in spec.symbols:
            for text in texts:
                first, last = self._chain(text)
                self.starts.add(first)
                self.accepts[last] = name
        for rule in spec.rules:
            firsts, lasts, _ = self._alternatives(rule.regex)
            self.starts |= firsts
            for p in lasts:
                self.accepts[p] = rule.name

    def _new(self, chars):
        self.chars.append(frozenset(chars))
        self.follow.append(set())
        self.accepts.append(None)
        return len(self.chars) - 1

    def _chain(self, text):
        positions = [self._new({c}) for c in text]
        for a, b in zip(positions, positions[1:]):
            self.follow[a].add(b)
        return positions[0], positions[-1]

    def _primary(self, p):
        if p[0] == "set":
            q = self._new(self.spec.set_value(p[1]))
            return {q}, {q}, False
        if p[0] == "str":
            first, last = self._chain(self.spec.string(p[1]))
            return {first}, {last}, False
        return self._alternatives(p[1])

    def _alternatives(self, alts):
        firsts, lasts, empty = set(), set(), False
        for seq in alts:
            f, l, e = self._sequence(seq)
            firsts |= f
            lasts |= l
            empty = empty or e
        return firsts, lasts, empty

    def _sequence(self, seq):
        firsts, lasts, empty = set(), set(), True
        for p, op in seq:
            f, l, e = self._primary(p)
            if op in ("SEQ", "CLOS"):
                for q in l:
                    self.follow[q] |= f
            if op in ("OPTION", "CLOS"):
                e = True
            for q in lasts:
                self.follow[q] |= f
            if empty:
                firsts = firsts | f
            lasts = (lasts | l) if e else set(l)
            empty = empty and e
        return firsts, lasts, empty

    def nexts(self, current):
        """The positions that may come after CURRENT (None before the first
        character of a token)."""
        return self.starts if current is None else set().union(*(self.follow[p] for p in current))

    def step(self, current, c):
        """The positions after reading C from CURRENT."""
        return {q for q in self.nexts(current) if c in self.chars[q]}

    def accepting(self, current):
        return any(self.accepts[p] for p in current)

    def munch(self, text):
        """The length of the longest token at the start of TEXT (bytes), 0
        for none."""
        current, token = None, 0
        for n, c in enumerate(text, 1):
            current = self.step(current, c)
            if not current:
                break
            if self.accepting(current):
                token = n
        return token

    def winner(self, text):
        """The terminal that a token of exactly TEXT (bytes) belongs to, by
        the priority of the lowest position; None when TEXT is no token."""
        current = None
        for c in text:
            current = self.step(current, c)
        accepting = sorted(p for p in current or () if self.accepts[p])
        return self.accepts[accepting[0]] if accepting else None

    def conflicts(self, limit=4000):
        """The pairs of terminals whose accepting positions meet after the
        same input with nested character sets; None when there are more
        than LIMIT sets of positions to look at."""
        found = set()
        start = frozenset()
        seen, todo = {start}, [start]
        while todo:
            current = todo.pop()
            accepting = sorted(p for p in current if self.accepts[p])
            for i, a in enumerate(accepting):
                for b in accepting[i + 1:]:
                    if self.accepts[a] == self.accepts[b]:
                        continue
                    if self.chars[a] <= self.chars[b] or self.chars[b] <= self.chars[a]:
                        found.add((self.accepts[a], self.accepts[b]))
            nexts = self.starts if not current else set().union(*(self.follow[p] for p in current))
            by_char = {}
            for q in nexts:
                for c in self.chars[q]:
                    by_char.setdefault(c, set()).add(q)
            for target in by_char.values():
                target = frozenset(target)
                if target not in seen:
                    if len(seen) >= limit:
                        return None
                    seen.add(target)
                    todo.append(target)
        return found
