#!/usr/bin/env python3
"""Writes the generator's first-team proposals for runtime seeds 1..100 from
the shipped name files, computed straight from the dialog's rules: the
runtime's rand (seed * 214013 + 2531011, bits 16..30), r(n) = rand * n //
32768, a name index of rand * count // 32767 (the count itself taken as the
last), and the draws in the dialog's order: talent row, position row, last
name, first name, day, month, year, talent, level.

Usage: generator_proposals.py [--trace N] > GeneratorProposals.txt
"""
import os
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..', '..', '..', '..'))
LANGUAGE = 1


class Rand:
    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF

    def below(self, n):
        return self.next() * n // 32768


def names_of(file_name, key):
    pools = {}
    current = None
    with open(os.path.join(ROOT, 'data', 'Database', file_name), 'rb') as f:
        for raw in f.read().split(b'\n'):
            line = raw.rstrip(b'\r')
            if line.startswith(b'%'):
                current = int(line[1:].decode('ascii'))
                continue
            if current is None or not line:
                continue
            pools.setdefault(current, []).append(line.decode('cp1252'))
    return pools.get(key) or pools.get(0, [])


def pick(rand, names, trace):
    index = min(rand.next() * len(names) // 32767, len(names) - 1)
    if trace:
        print(f'  name {index} of {len(names)}: {names[index]}', file=sys.stderr)
    return names[index]


def propose(seed, surnames, first_names, trace=False):
    rand = Rand(seed)
    rand.below(5)
    position = 1 + rand.below(17)
    last = pick(rand, surnames, trace)
    first = pick(rand, first_names, trace)
    day = rand.below(30) + 1
    month = rand.below(12) + 1
    year = 1989 - rand.below(16)
    if month == 2 and day > 28:
        day = 28
    talent = rand.below(5)
    level = 40 + rand.below(20)
    if trace:
        print(f'seed {seed}: position {position}, {day}.{month}.{year}, talent {talent}, level {level}',
              file=sys.stderr)
    return f'{seed}|{last}|{first}|{year:04d}-{month:02d}-{day:02d}|{position}|{talent}|{level}'


def main():
    trace = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[1] == '--trace' else 0
    surnames = names_of('Surnames.txt', LANGUAGE)
    first_names = names_of('MaleNames.txt', LANGUAGE)
    out = sys.stdout.buffer
    for seed in range(1, 101):
        out.write((propose(seed, surnames, first_names, seed <= trace) + '\r\n').encode('utf-8'))


if __name__ == '__main__':
    main()
