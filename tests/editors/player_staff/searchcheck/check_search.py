"""Checks the player search's hits against Python's fnmatch.fnmatchcase.

Input file: a line "PATTERNS" then one folded pattern per line, a line
"NAMES" then one folded name per line, a line "HITS" then per pattern the
indexes of the names the editor matched, blank-separated. Every text is
given as blank-separated hex code units. Exit status 1 on a difference.
"""
import fnmatch
import sys


def text(line):
    return "".join(chr(int(unit, 16)) for unit in line.split())


def main(path):
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    patterns_at = lines.index("PATTERNS")
    names_at = lines.index("NAMES")
    hits_at = lines.index("HITS")
    patterns = [text(line) for line in lines[patterns_at + 1:names_at]]
    names = [text(line) for line in lines[names_at + 1:hits_at]]
    hits = [line for line in lines[hits_at + 1:hits_at + 1 + len(patterns)]]
    failed = False
    for pattern, hit_line in zip(patterns, hits):
        ours = [int(i) for i in hit_line.split()]
        theirs = [i for i, name in enumerate(names) if fnmatch.fnmatchcase(name, pattern)]
        if ours != theirs:
            failed = True
            print("pattern %r: editor %d hits, fnmatch %d" % (pattern, len(ours), len(theirs)))
        elif not theirs and pattern != "ZZZ*Q":
            failed = True
            print("pattern %r finds nothing: a weak check" % pattern)
    print("%d patterns over %d names" % (len(patterns), len(names)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
