#!/usr/bin/env python3
"""Outlets given by relative humidity, for the water/air and heat-and-moisture tests.

Each row is worked out apart from the C++ code: the known point as the chart window
solves it, the straight process line through it, the dry bulb on that line where the
vapour pressure over the saturation pressure equals the wanted value (the crossing
nearest the known point, found by scanning the line and halving down to adjacent
floats), the two-decimal dry bulb handed to the chart window, the new point solved
from that text, and the flow the calculator shows. Stored values are rounded to
32-bit floats as the program rounds them. Run it to print the rows the tests hold.
"""
import math

from reference_states import Air, f32

OFFSET = f32(459.67)  # the US temperature offset, held as a float


def shown(value, digits=99):  # the program's display of a value (FormatValue)
    if digits < 10:
        return f'{value:.{digits}f}'
    a = abs(value)
    if value == 0:
        return '0.0'
    if a < 0.001 or a >= 100000:
        return f'{value:.2e}'
    decimals = 4 if a < 0.1 else 3 if a < 10 else 2 if a < 100 else 1 if a < 1000 else 0
    return f'{value:.{decimals}f}'


def point(dry_f, rh, press):  # a point typed as dry bulb and relative humidity
    air = Air(press)
    air.set('DryBulb', dry_f + OFFSET)
    air.set('RelHumid', rh)
    assert air.dry_rh()
    return air


def temp_from_enthalpy(h, w):
    return (h - 1061 * w) / (0.24 + 0.444 * w) + 459.67


def line_through(known, r, w_trial, single):
    t1, w1, h1 = known.DryBulb, known.HumidRatio, known.Enthalpy
    h_trial = f32(h1 + (w_trial - w1) * r)
    t_trial = f32(temp_from_enthalpy(h_trial, w_trial))
    dt = f32(t_trial - t1) if single else t_trial - t1
    s = (w_trial - w1) / (dt if dt != 0 else 1e-8)
    if single:
        s = f32(s)
    b = w1 - s * t1
    return (s, f32(b) if single else b)


def relative_humidity(known, line, t):
    """The line's relative humidity at dry bulb t: none where it holds no moisture."""
    s, b = line
    w = f32(s * t + b)
    return f32(known.r2(w) / known.sat_press(t)) if w > 0 else 0.0


def outlet_dry_bulb(known, line, rh):
    """The line's dry bulb (R) at relative humidity rh nearest the known point, or None.

    The line is scanned 0.01 R at a time both ways at once, up to the boiling point or
    absolute zero and no further out on a side than where its moisture runs out; a change
    of sign is halved down to adjacent floats, of which the nearer the wanted value is taken.
    """
    s, b = line

    def miss(t):
        return rh - relative_humidity(known, line, t)

    def on_line(t):
        return t > 0 and known.sat_press(t) < known.Press

    def last_on_line(inside, outside):
        while True:
            mid = f32((inside + outside) / 2)
            if mid in (inside, outside):
                return inside
            if on_line(mid):
                inside = mid
            else:
                outside = mid

    def halve(lo, hi):
        d_lo = miss(lo)
        while True:
            mid = f32((lo + hi) / 2)
            if mid in (lo, hi):
                return min((lo, hi), key=lambda x: abs(miss(x)))
            if (miss(mid) > 0) == (d_lo > 0):
                lo = mid
            else:
                hi = mid

    t1 = known.DryBulb
    ended = [False, False]
    for k in range(1, 200000):
        found = []
        for side, sgn in enumerate((1, -1)):
            if ended[side]:
                continue
            t_prev, t = f32(t1 + sgn * 0.01 * (k - 1)), f32(t1 + sgn * 0.01 * k)
            if not on_line(t):
                t, ended[side] = last_on_line(t_prev, t), True
            if (miss(t_prev) > 0) != (miss(t) > 0):
                found.append(halve(t_prev, t))
            elif f32(s * t + b) <= 0:
                ended[side] = True  # no moisture from here on: no crossing further out
        if found:
            return min(found, key=lambda x: abs(x - t1))
        if all(ended):
            return None
    return None


def shown_dry_bulb(known, line, rh, t):
    """The two-decimal dry bulb; '?' when the band where the search may stop (the
    relative humidity within 1e-5) spans two displayed values."""
    def close(x):
        return abs(rh - relative_humidity(known, line, x)) < f32(1e-5)
    lo = hi = t
    while close(f32(lo - 1e-4)):
        lo = f32(lo - 1e-4)
    while close(f32(hi + 1e-4)):
        hi = f32(hi + 1e-4)
    ends = {shown(x - OFFSET, 2) for x in (lo, t, hi)}
    return ends.pop() if len(ends) == 1 else '?'


def water_air(inlet, ma, hw, rh):
    known = point(*inlet)
    sp = known.sat_press(known.DryBulb)
    w_trial = f32(0.62198 * f32(sp * f32(rh)) / (known.Press - f32(sp * f32(rh))))
    line = line_through(known, hw, w_trial, False)
    t = outlet_dry_bulb(known, line, f32(rh))
    if t is None:
        return 'refused'
    dry = shown_dry_bulb(known, line, f32(rh), t)
    new = point(float(dry), f32(rh), inlet[2])
    mw = f32((new.HumidRatio - known.HumidRatio) * ma)
    return dry, shown(mw)


def heat_moisture(known_pt, inlet_known, q, gains, rh):
    known = point(*known_pt)
    m = sum(f32(g[0]) for g in gains)
    r = f32((q + sum(f32(g[0]) * g[1] for g in gains)) / m)
    line = line_through(known, r, f32(2.5 * known.HumidRatio), True)
    t = outlet_dry_bulb(known, line, f32(rh))
    if t is None:
        return 'refused'
    dry = shown_dry_bulb(known, line, f32(rh), t)
    new = point(float(dry), f32(rh), known_pt[2])
    dw = new.HumidRatio - known.HumidRatio if inlet_known else known.HumidRatio - new.HumidRatio
    if abs(f32(line[0] * t + line[1]) - known.HumidRatio) < 1e-7:
        return dry, '', ''
    ma = f32(m / (dw * 60))
    return dry, shown(ma), shown(new.SpVol * ma)


def main():
    # Water/air: inlet 95 F / 20 %, 100 lb/min, water of 20 BTU/lb; steam of 1200 for the last.
    for v in (10, 60, 80, 90, 95, 100):
        print('water/air', v, water_air((95, 0.2, 14.697), 100, 20, v / 100))
    print('water/air 1200 BTU/lb', 95, water_air((95, 0.2, 14.697), 100, 1200, 0.95))
    # The worked example of the manual: inlet 100 F / 20 %, water of 38 BTU/lb.
    print('water/air example', 90, water_air((100, 0.2, 14.697), 100, 38, 0.9))
    # Heat and moisture: 55 F / 95 %, q 22000 BTU/hr, 10 lb/hr of water at 1100 BTU/lb;
    # with q 10000 the line runs out of moisture before saturation.
    for inlet_known in (True, False):
        for v in (60, 80, 90, 95, 100):
            print('heat/moisture', 'inlet' if inlet_known else 'outlet', v,
                  heat_moisture((55, 0.95, 14.697), inlet_known, 22000, [(10, 1100)], v / 100))
    print('heat/moisture q 10000', 100, heat_moisture((55, 0.95, 14.697), True, 10000, [(10, 1100)], 1.0))
    # Near-upright lines: 70 F / 50 %, q 100, 10 lb/hr at 1080; 120 F / 10 %, q 100, 10 lb/hr at 1100.
    print('heat/moisture 70 F', 60, heat_moisture((70, 0.5, 14.697), True, 100, [(10, 1080)], 0.6))
    print('heat/moisture 120 F', 30, heat_moisture((120, 0.1, 14.697), True, 100, [(10, 1100)], 0.3))
    # 60 F / 80 %, q 9000, 10 lb/hr at 1100: the humidity falls both ways; 60 % is nearer on the cold side.
    print('heat/moisture 60 F', 60, heat_moisture((60, 0.8, 14.697), True, 9000, [(10, 1100)], 0.6))
    # A line that turns: known outlet 125.23 F / 61 % at 6.8447 psia, q 1201, 27.3776 lb/hr at 1185.58.
    print('heat/moisture 6.8447 psia', 23.9,
          heat_moisture((125.23, 0.61, 6.8447), False, 1201, [(27.3776, 1185.58)], 0.239))
    # Isothermal steam humidifying at 14.696 psia, 100 lb/min: water near the vapour's enthalpy
    # (1061 + 0.444 t), outlets wetter and drier than the inlet.
    for dry, rh_in, hw, rh in STEAM_ROWS:
        print('steam', dry, rh_in, hw, rh, water_air((dry, rh_in / 100, 14.696), 100, f32(hw), rh / 100))


STEAM_ROWS = [(50, 40, 1082.2, 35), (50, 40, 1084.2, 50), (60, 30, 1087.6, 40), (60, 30, 1086.6, 25),
              (60, 30, 1087.6, 25), (70, 50, 1091.08, 60), (70, 50, 1093.08, 45), (80, 20, 1095.52, 30),
              (80, 20, 1097.52, 15), (90, 30, 1099.96, 25), (90, 30, 1101.96, 40), (90, 30, 1100, 20)]


if __name__ == '__main__':
    main()
