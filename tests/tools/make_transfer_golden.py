#!/usr/bin/env python3
"""Writes golden/TransferCases.txt: pending transfers of one player of club A
(transfer club B) with the history, state, squad and message that
processing them must leave, every date worked out with datetime.

Line: kind|state|start|end|fee|before|after|state after|moved|type|message
Histories are ';'-joined "club start end flags fee" with flags L (loan)
and O (open); dates as YYYY-MM-DD; "-" for an empty history.
"""

import datetime
import os
import random

TODAY = datetime.date(2007, 7, 1)
SEASON_END = datetime.date(2007, 6, 30)
EARLIER_SEASON = datetime.date(2006, 7, 1)
DAY = datetime.timedelta(days=1)


def station(club, start, end, loan=False, running=False, fee=0):
    # A new entry that would end before it starts ends on its start.
    end = max(end, start)
    return f"{club} {start} {end} {'L' if loan else '-'}{'O' if running else '-'} {fee}"


def history(entries):
    return ";".join(entries) if entries else "-"


def some_day(rng, first, last):
    return first + datetime.timedelta(days=rng.randrange((last - first).days + 1))


def loan_out(rng, with_entry):
    start = some_day(rng, datetime.date(2006, 7, 2), datetime.date(2007, 8, 31))
    end = some_day(rng, start, datetime.date(2009, 6, 30))
    option = rng.choice([0, 0, 150000])
    before = [station("A", datetime.date(2004, 7, 1), SEASON_END, running=True)] if with_entry else []
    if start >= TODAY:
        return ["loanout", 6, start, end, option, history(before), history(before), 6, 0, 0, ""]
    message = "" if with_entry else "History entry for club A was missing and has been added.\\r\\n"
    first = datetime.date(2004, 7, 1) if with_entry else EARLIER_SEASON
    after = [station("A", first, start - DAY)]
    ended = end <= SEASON_END
    after.append(station("B", start, end if ended else SEASON_END, loan=True, running=not ended, fee=option))
    if ended:
        after.append(station("A", end + DAY, SEASON_END, running=True))
        message += "Player was loaned to B and is now back at A.\\r\\n"
        return ["loanout", 6, start, end, option, history(before), history(after), 0, 0, 2, message]
    message += "Player is loaned to B and has a 'loaned (present)' state now.\\r\\n"
    return ["loanout", 6, start, end, option, history(before), history(after), 4, 1, 2, message]


def sale(rng, with_entry):
    start = some_day(rng, datetime.date(2006, 7, 2), datetime.date(2007, 8, 31))
    fee = rng.choice([0, 0, 2500000])
    before = [station("A", datetime.date(2003, 7, 1), datetime.date(2008, 6, 30), running=True)] if with_entry else []
    if start >= TODAY:
        return ["sale", 5, start, datetime.date(2008, 6, 30), fee, history(before), history(before), 5, 0, 0, ""]
    message = "" if with_entry else "History entry for club A was missing and has been added.\\r\\n"
    first = datetime.date(2003, 7, 1) if with_entry else EARLIER_SEASON
    after = [station("A", first, start - DAY), station("B", start, SEASON_END, running=True, fee=fee)]
    message += "Player was sold from A to B.\\r\\n"
    return ["sale", 5, start, datetime.date(2008, 6, 30), fee, history(before), history(after), 0, 1, 2, message]


def loan_in(rng, recorded):
    start = datetime.date(2006, 7, 1)
    end = some_day(rng, datetime.date(2006, 7, 2), datetime.date(2007, 12, 31))
    fee = rng.choice([0, 0, 400000])
    before = [station("B", datetime.date(2003, 7, 1), datetime.date(2006, 6, 30))]
    if recorded:
        before.append(station("A", start, SEASON_END, loan=True, running=True))
    if end >= TODAY:
        return ["loanin", 4, start, end, fee, history(before), history(before), 4, 0, 0, ""]
    message = "" if recorded else "History entry for club A was missing and has been added.\\r\\n"
    after = [before[0], station("A", start, end, loan=True), station("B", end + DAY, SEASON_END, running=True)]
    message += "Player was loaned from B and was moved back.\\r\\n"
    if fee != 0:
        message += "The deal included a buy option.\\r\\n"
    return ["loanin", 4, start, end, fee, history(before), history(after), 0, 1, 2, message]


def main():
    rng = random.Random(20070701)
    rows = []
    for _ in range(35):
        rows.append(loan_out(rng, True))
        rows.append(loan_out(rng, False))
        rows.append(sale(rng, True))
    for _ in range(20):
        rows.append(sale(rng, False))
    for _ in range(25):
        rows.append(loan_in(rng, True))
        rows.append(loan_in(rng, False))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden", "TransferCases.txt")
    with open(path, "w", newline="\n") as out:
        for row in rows:
            out.write("|".join(str(value) for value in row) + "\n")


if __name__ == "__main__":
    main()
