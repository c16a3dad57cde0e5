#!/usr/bin/env python3
"""Random KAM programs that work the address space hard: segments created
and deleted at random levels (so that display entries are left behind by
deleted segments), variables, descriptors and elements, and stores through
addresses (stind), some of them into segment headers. Every program is
straight-line code ending in halt, so that it stops.

The generator follows the segments and the stack depth roughly, so that
most instructions are valid and a program runs for a while; a few are
chosen at random, and those (or a left-behind display entry) end many
programs with a run-time error, which the translated program must report
as kamrun does.

usage: random_programs.py COUNT SEED FOLDER   (writes FOLDER/randomN.kam)
"""
import random
import sys

# Entries 1-4 of the length table: three words, one, twelve and none.
LENGTH_TABLE = {1: 3, 2: 1, 3: 12, 4: 0}
CONSTANTS = [-5, -1, 0, 1, 2, 3, 5, 9, 12, 20, 100, 3000000]


class Program:
    def __init__(self, rng):
        self.rng = rng
        self.lines = []
        self.depth = 0              # words on the stack, as far as known
        self.segments = []          # (level, length) of the live segments
        self.deleted = set()        # levels of deleted segments
        self.arrays = []            # (level, dpl, low, high) of 1-dimensional arrays

    def emit(self, text, change):
        self.lines.append(text)
        self.depth = max(0, self.depth + change)

    def wild(self, chance=0.03):
        return self.rng.random() < chance

    def level(self):
        """A level with a live segment mostly, else one left behind or any."""
        rng = self.rng
        if self.deleted and rng.random() < 0.08:
            return rng.choice(sorted(self.deleted))
        if self.segments and not self.wild(0.05):
            return rng.choice(self.segments)[0]
        return rng.choice([0, 1, 2, 3, 4, 5, 16])

    def length_of(self, level):
        for sn, length in reversed(self.segments):
            if sn == level:
                return length
        return 4

    def displacement(self, level):
        if self.wild():
            return self.rng.choice([-1, 100000000])
        beyond = 1 if self.wild(0.05) else 0
        return self.rng.randint(0, max(0, self.length_of(level) - 1) + beyond)

    def value(self):
        self.emit(f"ldcon {self.rng.choice(CONSTANTS)}", 1)

    # One instruction, or a short sequence as a compiler emits it, of each kind.

    def crseg(self):
        sn, index = self.rng.randint(1, 4), self.rng.choice([1, 1, 2, 3, 3, 4])
        self.emit(f"crseg {sn} {index}", 0)
        self.segments.append((sn, LENGTH_TABLE[index]))
        self.deleted.discard(sn)

    def dlseg(self):
        if len(self.segments) > 1 or self.wild():
            self.emit("dlseg", 0)
            if self.segments:
                self.deleted.add(self.segments.pop()[0])

    def variable(self, instruction, change):
        sn = self.level()
        self.emit(f"{instruction} {sn} {self.displacement(sn)}", change)

    def ldvar(self):
        self.variable("ldvar", 1)

    def varaddr(self):
        self.variable("varaddr", 1)

    def stvar(self):
        self.value()
        self.variable("stvar", -1)

    def stind(self):
        # the address of a variable, or of a header word just below one
        self.variable("varaddr", 1)
        self.emit(f"ldcon {self.rng.randint(-4, -1) if self.wild(0.15) else 0}", 1)
        self.emit("add", -1)
        self.value()
        self.emit("stind", -1)
        self.emit("pop", -1)

    def ldind(self):
        self.variable("varaddr", 1)
        self.emit("ldind", 1)

    def descr(self):
        rng = self.rng
        bounds = []
        for _ in range(rng.choice([1, 1, 2])):
            low = rng.randint(-2, 3)
            bounds.append((low, low + rng.randint(-1 if self.wild(0.2) else 0, 4)))
            self.emit(f"ldcon {bounds[-1][0]}", 1)
            self.emit(f"ldcon {bounds[-1][1]}", 1)
        sn = self.segments[-1][0] if self.segments and not self.wild(0.1) else self.level()
        dpl = rng.randint(0, max(0, self.length_of(sn) - 2 * len(bounds) - 2))
        self.emit(f"descr {sn} {dpl} {len(bounds)}", -2 * len(bounds))
        if len(bounds) == 1 and bounds[0][0] <= bounds[0][1]:
            self.arrays.append((sn, dpl) + bounds[0])

    def element(self, instruction, change):
        """An element of an array described before, mostly within its bounds."""
        rng = self.rng
        if self.arrays and not self.wild(0.2):
            sn, dpl, low, high = rng.choice(self.arrays)
            index = rng.randint(low - self.wild(0.1), high + self.wild(0.1))
        elif self.wild(0.1):
            sn, dpl, index = self.level(), rng.randint(0, 4), rng.randint(-3, 8)
        else:
            return
        self.emit(f"ldcon {index}", 1)
        self.emit("ldcon -1", 1)
        self.emit(f"{instruction} {sn} {dpl}", change)

    def ldxvar(self):
        self.element("ldxvar", -1)

    def stxvar(self):
        self.value()
        self.element("stxvar", -3)

    def words(self):
        """sn, dpl, the count operand and the words it names: a whole array
        (count 0) or a few words."""
        if self.arrays and self.rng.random() < 0.3:
            sn, dpl, low, high = self.rng.choice(self.arrays)
            return sn, dpl, 0, high - low + 1
        sn, dpl, size = self.level(), self.rng.randint(0, 4), self.rng.randint(1, 3)
        return sn, dpl, size, size

    def ldnvar(self):
        sn, dpl, count, size = self.words()
        self.emit(f"ldcon {count}", 1)
        self.emit(f"ldnvar {sn} {dpl}", size - 1)

    def block(self):
        """stnvar, popn, eqn or nen on a few words, or on a whole array."""
        instruction = self.rng.choice(["stnvar", "popn", "eqn", "nen"])
        sn, dpl, count, size = self.words()
        words = 2 * size if instruction in ("eqn", "nen") else size
        for _ in range(words):
            self.value()
        self.emit(f"ldcon {count}", 1)
        self.emit(f"{instruction} {sn} {dpl}", -words - 1 + (instruction in ("eqn", "nen")))

    def op(self):
        if self.depth >= 2 or self.wild():
            self.emit(self.rng.choice(["add", "sub", "eq"]), -1)

    def wrint(self):
        if self.depth >= 1 or self.wild():
            self.emit("wrint", 0)

    def pop(self):
        if self.depth >= 1 or self.wild():
            self.emit("pop", -1)

    KINDS = {"crseg": 8, "dlseg": 6, "ldvar": 12, "stvar": 12, "varaddr": 4, "stind": 5,
             "ldind": 3, "descr": 4, "ldxvar": 5, "stxvar": 5, "ldnvar": 2, "block": 3,
             "op": 4, "wrint": 6, "pop": 2}

    def step(self):
        kind = self.rng.choices(list(self.KINDS), weights=list(self.KINDS.values()))[0]
        getattr(self, kind)()

    def text(self):
        self.emit("crseg 1 3", 0)
        self.segments.append((1, LENGTH_TABLE[3]))
        size = self.rng.randint(10, 120)
        while len(self.lines) < size:
            self.step()
        for _ in range(self.depth):
            self.emit("pop", -1)
        for _ in self.segments:
            self.emit("dlseg", 0)
        table = "".join(f"{index}: {length}\n" for index, length in LENGTH_TABLE.items())
        return "\n".join(self.lines) + "\nhalt\n.\n" + table + ".\n"


def main():
    count, seed, folder = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    rng = random.Random(seed)
    for n in range(count):
        with open(f"{folder}/random{n}.kam", "w") as out:
            out.write(f"# random program {n} of seed {seed}\n" + Program(rng).text())


if __name__ == "__main__":
    main()
