#!/usr/bin/env python3
"""Writes golden/RoundRobin.txt: the double round robin of the country team
generator for 2 to 40 teams, by the circle method.

The places of the pairs form a circle: pair 0's first place is fixed, the
others are walked as second of pairs 0..m-1, then first of pairs m-1..1. Each step every team moves one place along that walk. An
odd team count plays with one more position, a bye, whose matches are left
out.

Block per count: "teams N", then one line per match day with its matches
as "home-away" joined by blanks.
"""

import os


def circle_places(m):
    # (pair, side) in the order the teams move along.
    return [(k, 1) for k in range(m)] + [(k, 0) for k in range(m - 1, 0, -1)]


def schedule(n):
    positions = n + n % 2
    m = positions // 2
    arrangement = {(k, s): 2 * k + 1 + s for k in range(m) for s in (0, 1)}
    places = circle_places(m)
    rounds = positions - 1
    days = [[] for _ in range(2 * rounds)]
    for r in range(rounds):
        for k in range(m):
            a, b = arrangement[(k, 0)], arrangement[(k, 1)]
            if a > n or b > n:
                continue
            if r % 2 == 0:
                days[r].append((a, b))
                days[r + rounds].append((b, a))
            else:
                days[r].append((b, a))
                days[r + rounds].append((a, b))
        # Everybody one place further along the circle.
        moved = dict(arrangement)
        for i, place in enumerate(places):
            moved[places[(i + 1) % len(places)]] = arrangement[place]
        arrangement = moved
    return days


def main():
    lines = []
    for n in range(2, 41):
        lines.append(f"teams {n}")
        for day in schedule(n):
            lines.append(" ".join(f"{h}-{a}" for h, a in day))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden", "RoundRobin.txt")
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
