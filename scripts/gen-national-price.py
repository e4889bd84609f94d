#!/usr/bin/env python3
"""Generate data/price.tsv, the fare table of the national timetable.

The fares follow the published rules of the conventional (non high-speed)
passenger tariff of the 1990s, which still priced conventional trains in
2019, with the charges and rounding of the fares as the ticketing site
lists them:

* Distance zones: 1-200 km in zones of 10 km, then 20 km up to 400, 30 up to
  700, 40 up to 1100, 50 up to 1600, 60 up to 2200, 70 up to 2900, 80 up to
  3700, 90 up to 4600 and 100 km beyond.  A zone is priced at its mid
  distance (1251-1300 km at 1275 km); one table row per zone, keyed by its
  upper end.  The ticket is priced for at least 20 km, the express supplement
  for at least 100 km and a berth for at least 400 km.
* Rates: hard seat 0.05861 yuan per km, tapering with distance like a tax
  bracket (1-200 km the full rate, 201-500 km 90 %, 501-1000 km 80 %,
  1001-1500 km 70 %, 1501-2500 km 60 %, beyond 50 %).  Every other part has
  its own rate, a share of the hard-seat rate: soft seat 200 %, express
  supplement 20 %, air-conditioning 25 %, hard berth upper / middle / lower
  110 / 120 / 130 %, soft berth upper / lower 175 / 195 %.  A part's rate in
  each bracket is cut to six decimals.
* Each part is rounded to whole yuan (halves up), at least 1 yuan.  The
  ticket carries the 2 % accident insurance of the hard-seat fare, rounded
  up to the jiao, before it is rounded.
* The fast trains' express supplement is the 20 % part; the express trains'
  (特快, and the K and Z trains priced as express) is twice the fast trains'.
* The new air-conditioned trains (nearly every conventional train of 2019)
  carry the air-conditioning part and a 50 % markup on each part, each
  marked-up part rounded up to whole yuan.
* Fixed charges on every ticket: 0.5 yuan up to 60 km, 1 yuan up to 200 km,
  2 yuan beyond.  A berth adds its berth part and the 10-yuan berth booking
  fee; the listed soft berths carry one yuan less than that (9) beyond
  400 km, and 13 yuan of fixed charges in all up to 400 km.
* Since 2013 the fares no longer hold the insurance: a fare is lowered by the
  insurance rounded up to the half yuan.  So fares go in half yuan and keep
  the tenths: T7's 1,283 km hard seat is 156.5.

Columns (the program reads them by the train class's fare family): seat
columns "hardSeat,softSeat"; berth columns five fares each followed by a
comma: hard upper, middle, lower, soft upper, lower (a berth's fare is the
seat fare plus the berth).  pkz is the seat column of both the 普慢 and the
普快 family: it holds the slow (普慢) seat fare, the one the classes priced by
these families (slow, suburban and commuter trains) pay.  pmw, pkw, tkz and
tkw are the trains without air-conditioning; ktpkz, ktpkw, kttkz and kttkw
the new air-conditioned fast and express trains.

Usage:
  scripts/gen-national-price.py [output]          write the table (default data/price.tsv)
  scripts/gen-national-price.py --zones LISTING   write tests/query/observed-fares/zones.tsv,
                                                  the most common listed fare per class and zone
  scripts/gen-national-price.py --report [LISTING]
        print, as Markdown, how the table (data/price.tsv and data/kind.tsv,
        looked up as the program does) agrees with the listed fares: per zone
        from zones.tsv, and per row when the listing is given
LISTING is the observed-fares conventional.tsv (columns train, from, to,
km_2019, kind_2019, hard_seat, soft_seat, hard_sleeper, soft_sleeper).
"""
import collections
import csv
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, '..')
ZONES_FILE = os.path.join(ROOT, 'tests', 'query', 'observed-fares', 'zones.tsv')

RATE = 0.05861
# (upper end of the bracket in km, share of the full rate)
TAPER = [(200, 1.0), (500, 0.9), (1000, 0.8), (1500, 0.7), (2500, 0.6), (None, 0.5)]
# (last km covered, zone width): zones of this width up to that distance
ZONES = [(200, 10), (400, 20), (700, 30), (1100, 40), (1600, 50), (2200, 60),
         (2900, 70), (3700, 80), (4600, 90), (6100, 100)]

SOFT_SEAT = 2.0
EXPRESS = 0.2
AIRCON = 0.25
INSURANCE = 0.02
NEW_AC_MARKUP = 1.5
HARD_BERTHS = (1.10, 1.20, 1.30)
SOFT_BERTHS = (1.75, 1.95)
MIN_TICKET_KM, MIN_EXPRESS_KM, MIN_BERTH_KM = 20, 100, 400
BERTH_BOOKING = 10
SOFT_BERTH_BOOKING = 9
SHORT_SOFT_BERTH_CHARGES = 13

EPS = 1e-9


def zones():
    """Yield (lower, upper) km of each fare zone; lower is the previous upper."""
    start = 0
    for last, width in ZONES:
        while start < last:
            yield start, start + width
            start += width


def mid_distance(upper, minimum=0):
    """The distance a zone is priced at: its mid, or that of the zone holding `minimum`."""
    for lower, up in zones():
        if up >= max(upper, minimum):
            return (lower + up) / 2
    raise ValueError(upper)


def part(km, share):
    """The unrounded fare of a part with `share` of the hard-seat rate over km."""
    fare, lower = 0.0, 0
    for upper, taper in TAPER:
        rate = math.floor(RATE * share * taper * 1e6 + 1e-6) / 1e6
        top = km if upper is None else min(km, upper)
        if top > lower:
            fare += (top - lower) * rate
        if upper is None or km <= upper:
            break
        lower = upper
    return fare


def whole(x):
    """Whole yuan, halves up, at least 1."""
    return max(1, math.floor(x + 0.5 + EPS))


def up_to(x, step):
    return math.ceil(x / step - EPS) * step


class Zone:
    """The parts of the fares of one zone."""

    def __init__(self, upper):
        ticket_km = mid_distance(upper, MIN_TICKET_KM)
        self.base = part(ticket_km, 1.0)
        self.insurance = up_to(INSURANCE * self.base, 0.1)
        self.hard_ticket = whole(self.base + self.insurance)
        self.soft_ticket = whole(part(ticket_km, SOFT_SEAT) + self.insurance)
        self.aircon = whole(part(ticket_km, AIRCON))
        self.express = whole(part(mid_distance(upper, MIN_EXPRESS_KM), EXPRESS))
        berth_km = mid_distance(upper, MIN_BERTH_KM)
        self.berths = [whole(part(berth_km, s)) for s in HARD_BERTHS + SOFT_BERTHS]
        self.fixed = 0.5 if upper <= 60 else 1 if upper <= 200 else 2
        self.refund = up_to(INSURANCE * self.base, 0.5)
        self.soft_booking = SOFT_BERTH_BOOKING if upper > MIN_BERTH_KM else SHORT_SOFT_BERTH_CHARGES - self.fixed

    def fares(self, express_times, new_ac):
        """Seat fares (hard, soft) and the five berth fares of one family."""
        mark = (lambda n: up_to(NEW_AC_MARKUP * n, 1)) if new_ac else (lambda n: n)
        extra = express_times * mark(self.express) + (mark(self.aircon) if new_ac else 0)
        extra += self.fixed - self.refund
        hard = mark(self.hard_ticket) + extra
        soft = mark(self.soft_ticket) + extra
        berths = [hard + mark(b) + BERTH_BOOKING for b in self.berths[:3]]
        berths += [soft + mark(b) + self.soft_booking for b in self.berths[3:]]
        return (hard, soft), berths


def text(fare):
    """156.5, or 157 for a whole fare."""
    return '%d' % fare if abs(fare - round(fare)) < EPS else '%.1f' % fare


def row(upper):
    z = Zone(upper)

    def seat(express_times, new_ac):
        return '%s,%s' % tuple(text(f) for f in z.fares(express_times, new_ac)[0])

    def berths(express_times, new_ac):
        return ''.join(text(f) + ',' for f in z.fares(express_times, new_ac)[1])

    return [str(upper),
            seat(0, False),      # pkz: slow (普慢) seats, read by 普慢 and 普快
            berths(0, False),    # pmw
            berths(1, False),    # pkw
            seat(2, False),      # tkz
            berths(2, False),    # tkw
            seat(1, True),       # ktpkz
            berths(1, True),     # ktpkw
            seat(2, True),       # kttkz
            berths(2, True)]     # kttkw


HEADER = ['distance', 'pkz', 'pmw', 'pkw', 'tkz', 'tkw', 'ktpkz', 'ktpkw', 'kttkz', 'kttkw']


def write_table(out):
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\t'.join(HEADER) + '\n')
        for _, upper in zones():
            f.write('\t'.join(row(upper)) + '\n')


# --- the listed fares -------------------------------------------------------

# (column of the listing, what the program shows for it, the berth index in
# the fare panel or None for the hard seat); the site lists one berth per
# class, the upper one.
COLUMNS = [('hard_seat', None), ('hard_sleeper', 0), ('soft_sleeper', 3)]
MIN_ROWS = 5
SLEEPER_KM = 400


def zone_upper(km):
    for _, upper in zones():
        if km <= upper:
            return upper
    return None


def read_listing(path):
    with open(path, encoding='utf-8') as f:
        return [r for r in csv.DictReader(f, delimiter='\t') if r['km_2019'] and r['kind_2019']]


def write_zones(listing, out):
    """Most common listed fare per class, zone and column, for zones the
    program prices that way (berths from 400 km) with at least 5 rows."""
    counts = collections.defaultdict(collections.Counter)
    for r in read_listing(listing):
        upper = zone_upper(int(r['km_2019']))
        for column, _ in COLUMNS:
            if r[column] and upper is not None:
                counts[(r['kind_2019'], upper, column)][float(r[column])] += 1
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('kind\tzone_km\tcolumn\trows\tfare\tfare_rows\n')
        for (kind, upper, column), c in sorted(counts.items(), key=lambda i: (i[0][0], i[0][2], i[0][1])):
            rows = sum(c.values())
            if rows < MIN_ROWS or (column != 'hard_seat' and upper < SLEEPER_KM):
                continue
            # The most common fare; of equally common ones the lowest.
            fare, n = min(c.items(), key=lambda i: (-i[1], i[0]))
            f.write('%s\t%d\t%s\t%d\t%s\t%d\n' % (kind, upper, column, rows, text(fare), n))


class Table:
    """data/price.tsv and data/kind.tsv, looked up as the program does."""
    FAMILIES = {'普慢': ('pkz', 'pmw'), '普快': ('pkz', 'pkw'), '特快': ('tkz', 'tkw'),
                '空调普快': ('ktpkz', 'ktpkw'), '空调特快': ('kttkz', 'kttkw')}

    def __init__(self, data):
        with open(os.path.join(data, 'price.tsv'), encoding='utf-8') as f:
            self.bands = sorted((int(r['distance']), r) for r in csv.DictReader(f, delimiter='\t'))
        with open(os.path.join(data, 'kind.tsv'), encoding='utf-8') as f:
            self.family = {r['kind']: r['price'] for r in csv.DictReader(f, delimiter='\t')}

    def fare(self, kind, km, berth):
        seat_column, berth_column = self.FAMILIES[self.family[kind]]
        band = next(r for d, r in self.bands if d >= max(km, 1))
        if berth is None:
            return float(band[seat_column].split(',')[0])
        if km < SLEEPER_KM:
            return None
        return float(band[berth_column].split(',')[berth])


def report(listing):
    table = Table(os.path.join(ROOT, 'data'))
    berth_of = dict(COLUMNS)
    names = {'hard_seat': 'hard seat', 'hard_sleeper': 'hard sleeper (upper)',
             'soft_sleeper': 'soft sleeper (upper)'}
    zone_hits = collections.defaultdict(lambda: [0, 0])
    misses = []
    with open(ZONES_FILE, encoding='utf-8') as f:
        for r in csv.DictReader(f, delimiter='\t'):
            upper = int(r['zone_km'])
            fare = table.fare(r['kind'], upper, berth_of[r['column']])
            hit = fare is not None and abs(fare - float(r['fare'])) < EPS
            zone_hits[(r['kind'], r['column'])][0] += hit
            zone_hits[(r['kind'], r['column'])][1] += 1
            if not hit:
                misses.append('%s %s at %d km: %s listed (%s of %s rows), table %s' % (
                    r['kind'], names[r['column']], upper, r['fare'], r['fare_rows'], r['rows'],
                    '-' if fare is None else text(fare)))
    row_hits = collections.defaultdict(lambda: [0, 0])
    # The best any table can do per row: the most common fare of every zone.
    listed = collections.defaultdict(collections.Counter)
    if listing:
        for r in read_listing(listing):
            km = int(r['km_2019'])
            for column, berth in COLUMNS:
                if not r[column] or (berth is not None and km < SLEEPER_KM):
                    continue
                fare = table.fare(r['kind_2019'], km, berth)
                row_hits[(r['kind_2019'], column)][0] += abs(fare - float(r[column])) < EPS
                row_hits[(r['kind_2019'], column)][1] += 1
                listed[(r['kind_2019'], column, zone_upper(km))][r[column]] += 1
    best = collections.defaultdict(lambda: [0, 0])
    for (kind, column, _), c in listed.items():
        best[(kind, column)][0] += max(c.values())
        best[(kind, column)][1] += sum(c.values())

    def pct(hits):
        return '%d of %d (%.1f %%)' % (hits[0], hits[1], 100.0 * hits[0] / hits[1]) if hits[1] else '-'

    print('## Conventional fares against the listed ones')
    print()
    print('The fare table the program ships (data/price.tsv, generated by scripts/gen-national-price.py '
          'from the published fare rules) against the fares the national ticketing site listed for T and '
          'four-digit trains in 2023 (the observed-fares listing). Per zone: for each class and distance '
          'zone with at least %d listed rows, whether the table gives the most common listed fare '
          '(tests/query/observed-fares/zones.tsv; berths from %d km, where the program shows them). '
          'Per row: every listed fare with its 2019 distance; a row whose 2019 distance is not the '
          'tariff distance may fall in the next zone, so even the most common fare of every zone '
          '(the best any table can do) misses some rows. Target: 95 %% of the zones.' % (MIN_ROWS, SLEEPER_KM))
    print()
    print('| class | fare | zones agreeing | rows agreeing | rows, best any table can do |')
    print('|---|---|---:|---:|---:|')
    for kind, column in sorted(zone_hits, key=lambda k: (k[0], [c for c, _ in COLUMNS].index(k[1]))):
        print('| %s | %s | %s | %s | %s |' % (kind, names[column], pct(zone_hits[(kind, column)]),
                                              pct(row_hits[(kind, column)]), pct(best[(kind, column)])))
    total = [sum(h[0] for h in zone_hits.values()), sum(h[1] for h in zone_hits.values())]
    print()
    print('All zones: %s. Zones where the table differs from the most common listed fare:' % pct(total))
    print()
    for m in misses:
        print('- ' + m)


def main(argv):
    if argv[:1] == ['--zones'] and len(argv) == 2:
        write_zones(argv[1], ZONES_FILE)
    elif argv[:1] == ['--report'] and len(argv) <= 2:
        report(argv[1] if len(argv) == 2 else None)
    elif len(argv) <= 1 and not (argv and argv[0].startswith('-')):
        write_table(argv[0] if argv else os.path.join(ROOT, 'data', 'price.tsv'))
    else:
        sys.exit(__doc__.split('Usage:')[1])


if __name__ == '__main__':
    main(sys.argv[1:])
