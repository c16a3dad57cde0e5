"""The plain BNF of a grammar of grammar_gen, and what is computed on it:
productive and reachable nonterminals, the LL(1) test, random sentences.

Each construct becomes fresh nonterminals in the way that keeps an LL(1)
grammar LL(1) (right recursion, no common prefixes):

    { alts }        G : alts
    a OPTION        X : empty | a
    a CLOS          X : empty | a X
    a SEQ           X : a Y        Y : empty | a Y
    a CHAIN s       X : a Y        Y : empty | s a Y
    a LIST op       (a CHAIN tListSep) op
    a PACK op       tPackLeft a (tPackRight op)

The BNF is a dict: nonterminal -> list of alternatives (lists of symbols);
a symbol is a nonterminal when it is a key of the dict. The rules of the
grammar keep their names, the fresh nonterminals are n1, n2, ...; owner
names the rule that each nonterminal comes from.
"""


class Bnf:
    def __init__(self, grammar):
        self.rules = {}
        self.start = grammar[0][0]
        self.named = [name for name, _ in grammar]
        self.owner = {}
        self._fresh = 0
        for name, _ in grammar:
            self.rules[name] = None
            self.owner[name] = name
        for name, alts in grammar:
            self._rule = name
            self.rules[name] = [self._items(alt) for alt in alts]

    def _new(self, alternatives):
        self._fresh += 1
        name = f"n{self._fresh}"
        self.rules[name] = alternatives
        self.owner[name] = self._rule
        return name

    def _items(self, alt):
        symbols = []
        for s in alt:
            symbols += self._secondary(s)
        return symbols

    def _primary(self, p):
        if p[0] == "g":
            return [self._new([self._items(a) for a in p[1]])]
        return [p[1]]

    def _wrap(self, op, a):
        if op is None:
            return a
        if op == "OPTION":
            return [self._new([[], a])]
        if op == "CLOS":
            x = self._new(None)
            self.rules[x] = [[], a + [x]]
            return [x]
        y = self._new(None)
        self.rules[y] = [[], a + [y]]
        return [self._new([a + [y]])]

    def _chain(self, a, s):
        y = self._new(None)
        self.rules[y] = [[], s + a + [y]]
        return [self._new([a + [y]])]

    def _secondary(self, s):
        kind = s[0]
        if kind == "base":
            return self._wrap(s[2], self._primary(s[1]))
        if kind == "chain":
            return self._chain(self._secondary(s[1]), self._primary(s[2]))
        if kind == "list":
            return self._wrap(s[2], self._chain(self._secondary(s[1]), ["tListSep"]))
        return ["tPackLeft"] + self._secondary(s[1]) + self._wrap(s[2], ["tPackRight"])

    def is_nt(self, symbol):
        return symbol in self.rules

    # -- properties ---------------------------------------------------------

    def productive(self):
        """The nonterminals that derive some string of terminals."""
        done = set()
        changed = True
        while changed:
            changed = False
            for nt, alts in self.rules.items():
                if nt not in done and any(
                        all(not self.is_nt(x) or x in done for x in alt) for alt in alts):
                    done.add(nt)
                    changed = True
        return done

    def reachable(self):
        """The nonterminals reachable from the start symbol."""
        seen, todo = {self.start}, [self.start]
        while todo:
            for alt in self.rules[todo.pop()]:
                for x in alt:
                    if self.is_nt(x) and x not in seen:
                        seen.add(x)
                        todo.append(x)
        return seen

    def _first_of(self, symbols, first, nullable):
        result = set()
        for x in symbols:
            if not self.is_nt(x):
                result.add(x)
                return result, False
            result |= first[x]
            if x not in nullable:
                return result, False
        return result, True

    def ll1_conflicts(self):
        """The nonterminals whose alternatives have overlapping director sets
        (FIRST, and FOLLOW for an alternative that derives the empty string);
        "$" stands for the end of the input."""
        nullable, first = set(), {nt: set() for nt in self.rules}
        changed = True
        while changed:
            changed = False
            for nt, alts in self.rules.items():
                for alt in alts:
                    f, empty = self._first_of(alt, first, nullable)
                    if not f <= first[nt]:
                        first[nt] |= f
                        changed = True
                    if empty and nt not in nullable:
                        nullable.add(nt)
                        changed = True
        follow = {nt: set() for nt in self.rules}
        follow[self.start].add("$")
        changed = True
        while changed:
            changed = False
            for nt, alts in self.rules.items():
                for alt in alts:
                    for i, x in enumerate(alt):
                        if not self.is_nt(x):
                            continue
                        f, empty = self._first_of(alt[i + 1:], first, nullable)
                        if empty:
                            f = f | follow[nt]
                        if not f <= follow[x]:
                            follow[x] |= f
                            changed = True
        conflicts = []
        for nt, alts in self.rules.items():
            seen = set()
            for alt in alts:
                f, empty = self._first_of(alt, first, nullable)
                director = f | (follow[nt] if empty else set())
                if director & seen:
                    conflicts.append(nt)
                    break
                seen |= director
        return conflicts

    # -- sentences ----------------------------------------------------------

    def _shortest(self):
        """For each nonterminal the length of its shortest terminal string and
        the height of that derivation, so that following the choices made
        here always ends (a longer derivation of equal length is never
        preferred, and ties on the length go to the lower tree)."""
        inf = (float("inf"), 0)
        best = {nt: inf for nt in self.rules}
        changed = True
        while changed:
            changed = False
            for nt, alts in self.rules.items():
                for alt in alts:
                    c = self._cost(alt, best)
                    if c < best[nt]:
                        best[nt] = c
                        changed = True
        return best

    def _cost(self, alt, best):
        length, height = 0, 0
        for x in alt:
            if self.is_nt(x):
                length += best[x][0]
                height = max(height, best[x][1])
            else:
                length += 1
        return (length, height + 1)

    def sentence(self, rng, budget):
        """A random sentence of the start symbol: alternatives are chosen at
        random, nonempty ones more often, while the sentence stays below
        BUDGET tokens, then the shortest ones are taken."""
        best = self._shortest()
        out = []
        stack = [self.start]
        while stack:
            x = stack.pop()
            if not self.is_nt(x):
                out.append(x)
                continue
            alts = self.rules[x]
            pending = sum(best[y][0] if self.is_nt(y) else 1 for y in stack)
            longer = [a for a in alts if a]
            if len(out) + pending < budget and longer and rng.random() < 0.5:
                alt = rng.choice(longer)
            elif len(out) + pending < budget and rng.random() < 0.6:
                alt = rng.choice(alts)
            else:
                alt = min(alts, key=lambda a: self._cost(a, best))
            stack.extend(reversed(alt))
        return out
