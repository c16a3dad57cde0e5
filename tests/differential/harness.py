"""Frame of the randomised differential tests: the size of a run from the
environment, running a command with a time limit, compiling C with the
build's compiler and flags, and working through seeds on a few worker
processes while the results come back in seed order.

A run is deterministic for its first seed and its size: case N of a run
always uses the seed FIRST + N, so a failure is reproduced with
ZEDRA_DIFF_SEED set to its seed and a size of 1.
"""

import multiprocessing
import os
import shlex
import shutil
import subprocess
import sys


def env_int(name, default):
    """The integer value of the environment variable NAME, else DEFAULT."""
    text = os.environ.get(name, "").strip()
    if not text:
        return default
    try:
        return int(text)
    except ValueError:
        sys.exit(f"{name}={text!r} is not a number")


def tool(name):
    """The path of a program of the build, from the variable CTest sets."""
    path = os.environ.get(name)
    if not path:
        sys.exit(f"{name} is not set: run this test through ctest")
    return path


class Result:
    """What running a command gave: status (None after the time limit),
    standard output and standard error as text (bytes kept as \\x escapes),
    and standard error as it was (raw_err)."""

    def __init__(self, status, out, err, raw_err=b""):
        self.status, self.out, self.err, self.raw_err = status, out, err, raw_err

    def text(self):
        return self.out + self.err


def run(argv, cwd, timeout=20, stdin=None):
    """Runs ARGV in CWD; a program that runs past TIMEOUT seconds is killed
    and reported with the status None."""
    try:
        done = subprocess.run(argv, cwd=cwd, capture_output=True, timeout=timeout,
                              stdin=subprocess.DEVNULL if stdin is None else stdin)
    except subprocess.TimeoutExpired as expired:
        def text(data):
            return (data or b"").decode("utf-8", "backslashreplace")
        return Result(None, text(expired.stdout), text(expired.stderr))
    return Result(done.returncode,
                  done.stdout.decode("utf-8", "backslashreplace"),
                  done.stderr.decode("utf-8", "backslashreplace"), done.stderr)


def cc_command():
    """The C compiler and the flags for generated code, as CTest hands them."""
    cc = shlex.split(os.environ.get("CC", "cc"))
    flags = shlex.split(os.environ.get("ZEDRA_TEST_CFLAGS", "-std=c11 -Wall"))
    return cc, flags


def compile_c(cwd, output, sources, include_dirs=(), werror=True, object_only=False,
              extra=()):
    """Compiles SOURCES into OUTPUT; -Werror for our own and ZEDRA's code,
    no warnings at all (-w) for code that bison or flex wrote; EXTRA are
    further flags."""
    cc, flags = cc_command()
    argv = cc + flags + (["-Werror"] if werror else ["-w"]) + list(extra)
    argv += [f"-I{d}" for d in include_dirs]
    argv += (["-c"] if object_only else []) + ["-o", output] + list(sources)
    return run(argv, cwd, timeout=120)


def summary(root, line):
    """Prints the summary line of a run and keeps it in ROOT/summary, where
    it can be read after a run whose output ctest did not show."""
    print(line, flush=True)
    with open(os.path.join(root, "summary"), "w") as f:
        f.write(line + "\n")


def seed_list(seeds):
    """" (seeds 3, 17)" for the summary, nothing for no seed."""
    return " (seeds " + ", ".join(map(str, seeds)) + ")" if seeds else ""


def fresh_dir(path):
    """An empty folder at PATH."""
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def _call(job):
    function, seed = job
    return function(seed)


def by_seed(function, first_seed, wanted, jobs, counts):
    """Calls FUNCTION(seed) for the seeds FIRST_SEED, FIRST_SEED + 1, ... on
    JOBS processes and yields (seed, result) in seed order until COUNTS
    (a function of a result, true when the case counts toward the size)
    has been true WANTED times. Results of seeds beyond the last counted
    one are computed in the same batch but not yielded."""
    counted, seed = 0, first_seed
    batch = max(1, jobs) * 4
    pool = multiprocessing.Pool(jobs) if jobs > 1 else None
    try:
        while counted < wanted:
            seeds = list(range(seed, seed + batch))
            seed += batch
            work = [(function, s) for s in seeds]
            results = pool.map(_call, work) if pool else map(_call, work)
            for s, result in zip(seeds, results):
                yield s, result
                if counts(result):
                    counted += 1
                    if counted == wanted:
                        break
    finally:
        if pool:
            pool.close()
            pool.join()
