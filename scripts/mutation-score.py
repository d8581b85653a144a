#!/usr/bin/env python3
"""Measures how many small faults in src/core the tests notice.

    scripts/mutation-score.py [--seed N] [--count N] [--under DIR] [--list] [--timeout S] [--jobs N]

Finds the places in src/core/**/*.cpp where a small mutation makes sense and picks COUNT of
them by SEED: a comparison flipped (< and <=, > and >=, == and !=, both ways), && and ||
swapped, a binary + or - swapped, one added to an integer constant. Then, one mutant at a
time, it writes the mutated line, rebuilds in build/mutation (no sanitizers, no GUI, no
benchmarks; configured the first time) and runs the tests. A mutant is killed when a test
fails or hangs past the timeout, and it survives when they all pass; one that does not
compile is skipped and not counted. Prints "mutation score: K killed of N (P %)" and every
survivor as FILE:LINE:COLUMN with the original and the mutated line.

The same seed and count pick the same mutants from the same source tree, and mostly the same
ones after unrelated edits: a mutant is chosen by a hash of its file, the text of its line
and its place in that line, not by its line number. --list prints the chosen mutants
without running anything. --under src/core/charts (say) samples only that folder: a quick
look at one part's tests; the score to report is the one over all of src/core. The original file is always written back, also on Ctrl-C; the run
refuses to start when src/core has uncommitted changes and checks at the end that it has
none. While it runs, one mutated file is in the working tree: commit nothing (`git commit -a`
would take the mutant along) until it has finished. Python 3 standard library only.
"""

import argparse
import hashlib
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CORE = Path('src/core')
DEFAULT_SEED = 2024
DEFAULT_COUNT = 60
CONFIGURE_OPTIONS = ['-G', 'Ninja', '-DCMAKE_BUILD_TYPE=Debug', '-DCMAKE_CXX_FLAGS_DEBUG=-O1',
                     '-DVIANORA_TESTS=ON', '-DVIANORA_GUI=OFF', '-DVIANORA_BENCHMARKS=OFF',
                     '-DVIANORA_SANITIZE=OFF', '-DVIANORA_FUZZ=OFF']

# --- Tokenizer -------------------------------------------------------------------------------

# Longest first, so that "<<=" is never read as "<" followed by "<=".
PUNCTUATORS = sorted(['<<=', '>>=', '<=>', '->*', '...', '::', '->', '++', '--', '<<', '>>', '<=',
                      '>=', '==', '!=', '&&', '||', '+=', '-=', '*=', '/=', '%=', '&=', '|=', '^=',
                      '.*', '##'], key=len, reverse=True)
WORD = re.compile(r'\w+')
RAW_STRING_PREFIXES = {'R', 'u8R', 'uR', 'UR', 'LR'}
# Words after which an operator cannot be binary, or before which it cannot end an operand.
KEYWORDS = set('''alignas alignof asm auto bool break case catch char char8_t char16_t char32_t
class co_await co_return co_yield concept const consteval constexpr constinit const_cast continue
decltype default delete do double dynamic_cast else enum explicit export extern float for friend
goto if inline int long mutable namespace new noexcept operator private protected public register
reinterpret_cast requires return short signed sizeof static static_assert static_cast struct
switch template thread_local throw try typedef typeid typename union unsigned using virtual void
volatile wchar_t while'''.split())


@dataclass
class Token:
    kind: str  # 'word', 'number', 'literal' (string or char) or 'punct'
    text: str
    start: int  # offset in the file
    end: int


def skip_preprocessor_line(text, at):
    """Offset just past a preprocessor line starting at `at`, continuation lines included."""
    while True:
        newline = text.find('\n', at)
        if newline == -1:
            return len(text)
        if text[newline - 1] != '\\':
            return newline
        at = newline + 1


def end_of_quoted(text, at, quote):
    """Offset just past a string or char literal whose opening quote is at `at`."""
    at += 1
    while at < len(text) and text[at] != quote and text[at] != '\n':
        at += 2 if text[at] == '\\' else 1
    return at + 1


def end_of_raw_string(text, at):
    """Offset just past a raw string whose opening quote is at `at`: R"delim( ... )delim"."""
    open_paren = text.index('(', at)
    closing = ')' + text[at + 1:open_paren] + '"'
    return text.index(closing, open_paren) + len(closing)


def end_of_number(text, at):
    """Offset just past a preprocessing number (digits, letters, dots, exponent signs, ')."""
    at += 1
    while at < len(text):
        c = text[at]
        if c.isalnum() or c in '_.':
            at += 1
        elif c in '+-' and text[at - 1] in 'eEpP':
            at += 1
        elif c == "'" and at + 1 < len(text) and text[at + 1].isalnum():
            at += 1  # a digit separator, not a char literal
        else:
            break
    return at


def next_token(text, at, line_start):
    """Reads one token at `at` (not at blank space); returns (token or None, offset after it)."""
    c = text[at]
    if text.startswith('//', at):
        newline = text.find('\n', at)
        return None, len(text) if newline == -1 else newline
    if text.startswith('/*', at):
        return None, text.index('*/', at + 2) + 2
    if c == '#' and line_start:
        return None, skip_preprocessor_line(text, at)
    if c in '"\'':
        end = end_of_quoted(text, at, c)
        return Token('literal', text[at:end], at, end), end
    if c.isdigit() or (c == '.' and at + 1 < len(text) and text[at + 1].isdigit()):
        end = end_of_number(text, at)
        return Token('number', text[at:end], at, end), end
    if c.isalpha() or c == '_':
        end = WORD.match(text, at).end()
        if text[at:end] in RAW_STRING_PREFIXES and text.startswith('"', end):
            end = end_of_raw_string(text, end)
            return Token('literal', text[at:end], at, end), end
        return Token('word', text[at:end], at, end), end
    punct = next((p for p in PUNCTUATORS if text.startswith(p, at)), c)
    return Token('punct', punct, at, at + len(punct)), at + len(punct)


def tokenize(text):
    """The tokens of a C++ source, without comments and preprocessor lines."""
    tokens, at, line_start = [], 0, True
    while at < len(text):
        if text[at].isspace():
            line_start = line_start or text[at] == '\n'
            at += 1
            continue
        token, at = next_token(text, at, line_start)
        line_start = False
        if token:
            tokens.append(token)
    return tokens


# --- Where a mutation is a real binary operator ------------------------------------------------

# Tokens that end a comparison's right-hand side before any template could close.
SCAN_STOPS = {';', '{', '}', '&&', '||', '?', ':', '=', '==', '!=', '<=', '>=', '+=', '-=', '*=',
              '/=', '|=', '&=', 'return'}


def template_closer(tokens, i):
    """Index of the '>' that would close tokens[i] == '<' as a template, or None.

    Scans forward: a ';', '&&', unmatched ')' and the like first means a comparison. Anything
    else (a '>' reached) is taken as a template, so that doubtful cases are left alone."""
    depth, parens = 1, 0
    for j in range(i + 1, len(tokens)):
        t = tokens[j].text if tokens[j].kind in ('punct', 'word') else ''
        if t in SCAN_STOPS or (parens == 0 and t in (')', ']')):
            return None
        if t in ('(', '['):
            parens += 1
        elif t in (')', ']'):
            parens -= 1
        elif t == '<':
            depth += 1
        elif t in ('>', '>>'):
            depth -= len(t)
            if depth <= 0:
                return j
    return None


def template_brackets(tokens):
    """Indexes of every '<' and '>' taken as a template bracket."""
    marked = set()
    for i, token in enumerate(tokens):
        if token.kind == 'punct' and token.text == '<' and i not in marked:
            closer = template_closer(tokens, i)
            if closer is not None:
                marked.update((i, closer))
    return marked


def ends_operand(token):
    if token.kind == 'word':
        return token.text not in KEYWORDS or token.text == 'this'
    return token.kind in ('number', 'literal') or token.text in (')', ']')


def starts_operand(token):
    if token.kind == 'word':
        return token.text not in KEYWORDS or token.text in ('this', 'sizeof', 'static_cast')
    return token.kind in ('number', 'literal') or token.text in ('(', '!', '-', '~', '::', '*')


def spaced(text, token):
    """Whether blank space stands on both sides, as the formatter writes binary operators."""
    return text[token.start - 1].isspace() and text[token.end].isspace()


OPERATOR_MUTATIONS = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==',
                      '&&': '||', '||': '&&', '+': '-', '-': '+'}


def binary_operator_mutation(text, tokens, i, templates):
    """The replacement of tokens[i] when it is a binary operator worth mutating, else None."""
    token = tokens[i]
    if token.kind != 'punct' or token.text not in OPERATOR_MUTATIONS or i in templates:
        return None
    if i == 0 or i + 1 == len(tokens) or not spaced(text, token):
        return None
    before, after = tokens[i - 1], tokens[i + 1]
    if not (ends_operand(before) and starts_operand(after)):
        return None
    if token.text in '+-' and 'literal' in (before.kind, after.kind):
        if '"' in before.text + after.text:
            return None  # joining strings, not arithmetic
    return OPERATOR_MUTATIONS[token.text]


INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|[0-9][0-9']*)([uUlLzZ]*)")


def integer_mutation(token):
    """The constant plus one, written in the same base, when the token is an integer."""
    match = INTEGER.fullmatch(token.text) if token.kind == 'number' else None
    if not match:
        return None
    digits, suffix = match.group(1).replace("'", ''), match.group(2)
    if digits.lower().startswith('0x'):
        return '0x%x%s' % (int(digits, 16) + 1, suffix)
    if len(digits) > 1 and digits.startswith('0'):
        return None  # octal: rare, left alone
    return '%d%s' % (int(digits) + 1, suffix)


def template_spans(tokens, templates):
    """Token indexes that lie between a template's brackets (array sizes and the like)."""
    inside, depth = set(), 0
    for i, token in enumerate(tokens):
        if i in templates:  # '<', or '>' or '>>' closing one or two
            depth = depth + 1 if token.text == '<' else max(0, depth - len(token.text))
        elif token.text in (';', '{', '}'):
            depth = 0  # never inside template arguments: a misread bracket ends here
        elif depth > 0:
            inside.add(i)
    return inside


def reserve_spans(tokens):
    """Token indexes inside the parentheses of reserve(...): a capacity changes no result."""
    inside = set()
    for i, token in enumerate(tokens[:-1]):
        if token.text == 'reserve' and tokens[i + 1].text == '(':
            depth, j = 1, i + 2
            while j < len(tokens) and depth > 0:
                depth += {'(': 1, ')': -1}.get(tokens[j].text, 0)
                inside.add(j)
                j += 1
    return inside


def declared_size(tokens, i):
    """Whether tokens[i] is the size in an array declaration such as `char buffer[32]`."""
    if i < 3 or i + 1 == len(tokens) or tokens[i - 1].text != '[' or tokens[i + 1].text != ']':
        return False
    name, before = tokens[i - 2], tokens[i - 3]
    return name.kind == 'word' and (before.text == '>' or (
        before.kind == 'word' and before.text not in ('return', 'case', 'throw', 'else', 'do')))


def left_alone(tokens, templates):
    """Token indexes where a mutation could change nothing a test can see."""
    return (template_spans(tokens, templates) | reserve_spans(tokens) |
            {i for i in range(len(tokens)) if declared_size(tokens, i)})


# --- Mutants -----------------------------------------------------------------------------------

@dataclass
class Mutant:
    path: Path  # relative to the repository root
    line: int  # 1-based
    column: int  # 1-based, where the replaced text begins
    start: int  # offset of the replaced text in the file
    original: str  # the replaced text
    mutated: str  # what replaces it
    line_text: str  # the original line, without its line end
    key: str  # what the seeded choice hashes: file, line text, column, repeat, mutation

    def mutated_line(self):
        before = self.line_text[:self.column - 1]
        after = self.line_text[self.column - 1 + len(self.original):]
        return before + self.mutated + after

    def describe(self):
        """FILE:LINE:COLUMN: ORIGINAL -> MUTATED (the column tells apart two on one line)."""
        return '%s:%d:%d: %s -> %s' % (self.path, self.line, self.column, self.original,
                                       self.mutated)


def make_mutant(path, text, token, mutated, repeats):
    line_start = text.rfind('\n', 0, token.start) + 1
    line_end = text.find('\n', token.start)
    line_text = text[line_start:len(text) if line_end == -1 else line_end]
    column = token.start - line_start + 1
    # The key names the line by its text (and how many identical ones came before), not by
    # its number, so that edits elsewhere in the file leave the choice alone.
    repeat = repeats.get((line_text, column), 0)
    repeats[(line_text, column)] = repeat + 1
    key = '%s|%s|%d|%d|%s' % (path, line_text.strip(), column, repeat, mutated)
    return Mutant(path, text.count('\n', 0, token.start) + 1, column, token.start, token.text,
                  mutated, line_text, key)


def mutants_of_file(path):
    text = (ROOT / path).read_bytes().decode('utf-8')  # line ends as they are
    tokens = tokenize(text)
    templates = template_brackets(tokens)
    skipped = left_alone(tokens, templates)
    found, repeats = [], {}
    for i, token in enumerate(tokens):
        if i in skipped:
            continue
        mutated = (binary_operator_mutation(text, tokens, i, templates) or
                   integer_mutation(token))
        if mutated is not None:
            found.append(make_mutant(path, text, token, mutated, repeats))
    return found


def all_mutants(under):
    sources = sorted(p.relative_to(ROOT) for p in (ROOT / under).rglob('*.cpp'))
    return [m for path in sources for m in mutants_of_file(path)]


def choose(mutants, seed, count):
    """COUNT mutants picked by SEED, the same on every machine and Python version."""
    def rank(m):
        return hashlib.sha256(('%d|%s' % (seed, m.key)).encode()).hexdigest()
    chosen = sorted(mutants, key=rank)[:count]
    return sorted(chosen, key=lambda m: (str(m.path), m.start))


# --- Building and testing ----------------------------------------------------------------------

def run(command, timeout=None):
    """Runs a command quietly in the repository; returns its exit status (None on timeout).

    The command gets a process group of its own, and the whole group is killed on a timeout
    or an interruption before this returns: no compiler left behind may write an object file
    built from a mutant after the original source is back."""
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def configure(build_dir):
    if not (build_dir / 'CMakeCache.txt').exists():
        print('configuring %s ...' % build_dir.relative_to(ROOT), flush=True)
        if run(['cmake', '-S', '.', '-B', str(build_dir)] + CONFIGURE_OPTIONS) != 0:
            sys.exit('mutation-score.py: cmake could not configure %s' % build_dir)


def build(build_dir, jobs):
    return run(['cmake', '--build', str(build_dir), '-j', str(jobs)], timeout=1800) == 0


def tests_pass(build_dir, jobs, timeout):
    """Whether every test passes; stops at the first failure, which is all a kill needs."""
    status = run(['ctest', '--test-dir', str(build_dir), '-j', str(jobs), '--timeout', str(timeout),
                  '--stop-on-failure', '--no-tests=error'], timeout=3600)
    return status == 0


def apply(mutant, original):
    """Writes the mutated source over the file whose original bytes are `original`."""
    text = original.decode('utf-8')
    end = mutant.start + len(mutant.original)
    if text[mutant.start:end] != mutant.original:
        raise RuntimeError('%s changed after the mutants were chosen' % mutant.path)
    (ROOT / mutant.path).write_bytes((text[:mutant.start] + mutant.mutated + text[end:]).encode())


def try_mutant(mutant, args):
    """'killed', 'survived' or 'skipped'; the source file is written back whatever happens."""
    path = ROOT / mutant.path
    original = path.read_bytes()
    try:
        apply(mutant, original)
        if not build(args.build_dir, args.jobs):
            return 'skipped'
        return 'survived' if tests_pass(args.build_dir, args.jobs, args.timeout) else 'killed'
    finally:
        path.write_bytes(original)


def core_is_clean():
    return run(['git', 'diff', '--quiet', 'HEAD', '--', str(CORE)]) == 0


def check_baseline(args):
    """The unmutated tree must build and pass, or no mutant can be judged."""
    configure(args.build_dir)
    print('building and testing the unmutated tree ...', flush=True)
    if not build(args.build_dir, args.jobs):
        sys.exit('mutation-score.py: the unmutated tree does not build in %s' % args.build_dir)
    if not tests_pass(args.build_dir, args.jobs, args.timeout):
        sys.exit('mutation-score.py: the tests fail without any mutation')


def run_all(chosen, args):
    results = []
    began = time.monotonic()
    for number, mutant in enumerate(chosen, 1):
        outcome = try_mutant(mutant, args)
        results.append((mutant, outcome))
        print('[%d/%d %4.0fs] %-8s %s' % (number, len(chosen), time.monotonic() - began, outcome,
                                          mutant.describe()), flush=True)
    return results


def report(results):
    killed = sum(1 for _, outcome in results if outcome == 'killed')
    survivors = [m for m, outcome in results if outcome == 'survived']
    judged = killed + len(survivors)
    skipped = len(results) - judged
    share = 100.0 * killed / judged if judged else 0.0
    print()
    print('mutation score: %d killed of %d (%.1f %%)' % (killed, judged, share))
    if skipped:
        print('%d mutant(s) did not compile and were not counted' % skipped)
    if survivors:
        print('survivors:')
    for m in survivors:
        print('  %s:%d:%d: %s -> %s' % (m.path, m.line, m.column, m.original, m.mutated))
        print('      was: %s' % m.line_text.strip())
        print('      now: %s' % m.mutated_line().strip())


def stop_on_signal(signum, frame):
    raise KeyboardInterrupt


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--seed', type=int, default=DEFAULT_SEED,
                        help='picks the mutants (default %(default)s)')
    parser.add_argument('--count', type=int, default=DEFAULT_COUNT,
                        help='how many mutants to run (default %(default)s)')
    parser.add_argument('--list', action='store_true', help='print the mutants, run nothing')
    parser.add_argument('--timeout', type=int, default=20,
                        help='seconds a test may take before it counts as failed (default 20)')
    parser.add_argument('--jobs', type=int, default=2,
                        help='parallel compile and test jobs (default 2)')
    parser.add_argument('--under', type=Path, default=CORE,
                        help='only mutate sources below this folder of src/core (default src/core)')
    parser.add_argument('--build-dir', type=Path, default=ROOT / 'build' / 'mutation',
                        help='build folder of its own (default build/mutation)')
    args = parser.parse_args()
    args.build_dir = args.build_dir.resolve()
    return args


def main():
    args = parse_arguments()
    if CORE not in [args.under, *args.under.parents]:
        sys.exit('mutation-score.py: --under must be src/core or a folder below it')
    mutants = all_mutants(args.under)
    chosen = choose(mutants, args.seed, args.count)
    if args.list:
        for m in chosen:
            print('%s   %s' % (m.describe(), m.mutated_line().strip()))
        print('%d of %d mutation sites (seed %d)' % (len(chosen), len(mutants), args.seed))
        return 0
    if not core_is_clean():
        sys.exit('mutation-score.py: src/core has uncommitted changes: commit or stash them')
    # Ctrl-C and kill both unwind through try_mutant, which writes the file back; SIGINT is
    # set again because a shell leaves it ignored for a command started in the background.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, stop_on_signal)
    status = 0
    try:
        check_baseline(args)
        report(run_all(chosen, args))
    except KeyboardInterrupt:
        print('\nmutation-score.py: interrupted', file=sys.stderr)
        status = 130
    if not core_is_clean():
        print('mutation-score.py: src/core differs from git after the run!', file=sys.stderr)
        status = 3
    return status

if __name__ == '__main__':
    sys.exit(main())
