#!/usr/bin/env python3
"""Generate tests/data/price.tsv, the fare table of the hand-made test timetable.

Fares follow the published rules for conventional (non high-speed) trains:

* Hard-seat base fare: 0.05861 yuan per km, tapering with distance like a tax
  bracket (1-200 km at the full rate, 201-500 km at 90 %, 501-1000 km at 80 %,
  1001-1500 km at 70 %, 1501-2500 km at 60 %, beyond that 50 %).
* Fares are not computed per kilometre but per distance zone; a zone is priced
  at its midpoint.  Zones widen with distance (10 km up to 200 km, 20 km up to
  400 km, and so on).  Each output row is one zone, keyed by its upper end.
* Soft-seat base fare is twice the hard-seat base.
* Express surcharge: 20 % of the hard-seat base for 普快, 40 % for 特快.
* Air-conditioning surcharge: 25 % of the base; air-conditioned (new-type)
  trains are in addition charged 50 % on top of the whole fare.
* Berth surcharges, as shares of the hard-seat base: hard sleeper upper /
  middle / lower 110 % / 120 % / 130 %, soft sleeper upper / lower 175 % /
  195 %.  A berth fare is the family's hard-seat fare plus the surcharge.
* Every fare is rounded to whole yuan, at least 1.

Columns: seat columns hold "hardSeat,softSeat"; berth columns hold five fares
each followed by a comma (hard upper, middle, lower, soft upper, lower).
The 普慢 family has no express surcharge and only a berth column (pmw).

Usage: scripts/gen-price.py [output]   (default: tests/data/price.tsv)
"""
import os
import sys

RATE = 0.05861
# (upper end of bracket in km, share of the full rate)
TAPER = [(200, 1.0), (500, 0.9), (1000, 0.8), (1500, 0.7), (2500, 0.6), (None, 0.5)]
# (last km covered, zone width) -- zones of this width up to that distance
ZONES = [(200, 10), (400, 20), (700, 30), (1100, 40), (1600, 50), (2200, 60),
         (2900, 70), (3700, 80), (4600, 90), (8000, 100)]

EXPRESS = {'pm': 0.0, 'pk': 0.2, 'tk': 0.4}
AIRCON = 0.25          # air-conditioning surcharge
NEW_AC = 1.5           # new-type air-conditioned train markup
BERTHS = (1.10, 1.20, 1.30, 1.75, 1.95)


def base_fare(km):
    """Hard-seat base fare for a journey of km kilometres."""
    fare, lower = 0.0, 0
    for upper, share in TAPER:
        top = km if upper is None else min(km, upper)
        if top > lower:
            fare += (top - lower) * RATE * share
        if upper is None or km <= upper:
            break
        lower = upper
    return fare


def zones():
    """Yield (lower, upper) km of each fare zone."""
    start = 0
    for last, width in ZONES:
        while start < last:
            yield start, start + width
            start += width


def whole(x):
    return max(1, int(x + 0.5))


def fares(mid):
    base = base_fare(mid)

    def seat(express, aircon):
        extra = base * express
        hard = base + extra
        soft = 2 * base + extra
        if aircon:
            hard = (hard + base * AIRCON) * NEW_AC
            soft = (soft + 2 * base * AIRCON) * NEW_AC
        return hard, soft

    def berth(express, aircon):
        hard_seat = base + base * express
        out = []
        for share in BERTHS:
            fare = hard_seat + base * share
            if aircon:
                fare = (fare + (base + base * share) * AIRCON) * NEW_AC
            out.append(fare)
        return out

    def seat_text(express, aircon):
        return '%d,%d' % tuple(whole(x) for x in seat(express, aircon))

    def berth_text(express, aircon):
        return ''.join('%d,' % whole(x) for x in berth(express, aircon))

    return [
        seat_text(EXPRESS['pk'], False),   # pkz
        berth_text(EXPRESS['pm'], False),  # pmw
        berth_text(EXPRESS['pk'], False),  # pkw
        seat_text(EXPRESS['tk'], False),   # tkz
        berth_text(EXPRESS['tk'], False),  # tkw
        seat_text(EXPRESS['pk'], True),    # ktpkz
        berth_text(EXPRESS['pk'], True),   # ktpkw
        seat_text(EXPRESS['tk'], True),    # kttkz
        berth_text(EXPRESS['tk'], True),   # kttkw
    ]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'tests', 'data', 'price.tsv')
    header = ['distance', 'pkz', 'pmw', 'pkw', 'tkz', 'tkw', 'ktpkz', 'ktpkw', 'kttkz', 'kttkw']
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\t'.join(header) + '\n')
        for lower, upper in zones():
            mid = (lower + 1 + upper) / 2
            f.write('\t'.join([str(upper)] + fares(mid)) + '\n')


if __name__ == '__main__':
    main()
