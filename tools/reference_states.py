#!/usr/bin/env python3
"""Reference moist-air states for the engine tests, computed apart from the C++ engine.

The relations and searches are written out again from their definitions, with every
stored value rounded to a 32-bit float as the engine does, so a state matches the
engine's to the last bit or so. Run it to print the table the solver tests hold;
--kill lists which altered constants and limits each state would expose.
"""
import math
import struct
import sys

def f32(x):
    try:
        return struct.unpack('f', struct.pack('f', x))[0]
    except OverflowError:
        return math.inf if x > 0 else -math.inf

class Fault(Exception):
    pass

class GiveUp(Exception):
    pass

BASE = dict(
    pr1_gain=20, pr1_restart=200, pr1_giveup=195, pr1_tol=0.00001,
    pr2_gain=20, pr2_restart=200, pr2_giveup=190, pr2_tol=0.000001,
    dr_gain=20, dr_restart=300, dr_giveup=290, dr_tol=0.00005,
    midpoint=True, last_trial_w=True, r3_a=1093.0, r6_c=33.193, r7_c=0.7543, r8_c=1061.0,
    sat_c8=-10440.397, dew_switch=0.08994139,
)

VARS = ['DryBulb', 'WetBulb', 'DewPoint', 'RelHumid', 'Enthalpy', 'HumidRatio', 'VaporPress',
        'SatDegree', 'SpVol', 'SatPress', 'SatPressWet', 'HumidRatioSat', 'HumidRatioSatWet']


class Air:
    def __init__(self, press, p=BASE):
        self.p = p
        self.Press = f32(press)
        self.PressInHg = f32(self.Press * 2.036026)
        for v in VARS:
            setattr(self, v, 0.0)

    def set(self, name, value):
        v = f32(value)
        if not math.isfinite(v):
            raise Fault()
        setattr(self, name, v)

    def sat_press(self, T):
        T = f32(T)
        if T <= f32(491.67):
            lnp = (-10214.165 / T - 4.8932428 - 0.0053765794 * T + 1.9202377e-7 * T * T
                   + 3.5575832e-10 * T * T * T - 9.0344688e-14 * T * T * T * T + 4.1635019 * math.log(T))
        else:
            lnp = (self.p['sat_c8'] / T - 11.29465 - 0.02702355 * T + 1.289036e-5 * T * T
                   - 2.4780681e-9 * T * T * T + 6.5459673 * math.log(T))
        return f32(math.exp(f32(lnp)))

    def r1(self, pv):
        rest = self.Press - pv
        if not rest > 0:
            raise Fault()
        return 0.62198 * pv / rest

    def r2(self, w):
        return w * self.Press / (0.62198 + w)

    def r3(self, T, Tw):
        t, tw = T - 459.67, Tw - 459.67
        a = self.p['r3_a']
        return ((a - 0.556 * tw) * self.HumidRatioSatWet - 0.24 * (T - Tw)) / (a + 0.444 * t - tw)

    def r4(self):
        return self.HumidRatio / self.HumidRatioSat

    def r5(self, mu, T):
        return mu / (1 - (1 - mu) * self.sat_press(T) / self.Press)

    def dew(self, pv):
        if not pv > 0:
            raise Fault()
        a = math.log(pv)
        if pv > f32(self.p['dew_switch']):
            td = 100.45 + self.p['r6_c'] * a + 2.319 * a * a + 0.17074 * a * a * a + 1.2063 * pv ** 0.1984
        else:
            td = 90.12 + 26.142 * a + 0.8927 * a * a
        self.set('DewPoint', td + 459.67)

    def volume_enthalpy(self):
        t = self.DryBulb - 459.67
        self.set('SpVol', self.p['r7_c'] * self.DryBulb * (1 + 1.6078 * self.HumidRatio) / self.PressInHg)
        self.set('Enthalpy', 0.24 * t + self.HumidRatio * (self.p['r8_c'] + 0.444 * t))

    def saturated(self):
        self.set('SatPress', self.sat_press(self.DryBulb))
        self.set('VaporPress', self.SatPress * self.RelHumid)
        self.set('HumidRatioSat', self.r1(self.SatPress))
        self.set('HumidRatio', self.r1(self.VaporPress))
        self.set('SatDegree', self.HumidRatio / self.HumidRatioSat)

    def wet_trial(self, x):
        self.set('SatPressWet', self.sat_press(x))
        self.set('HumidRatioSatWet', self.r1(self.SatPressWet))
        return self.r3(self.DryBulb, x)

    # The gain-scaled correction: x down for a wet bulb, up for a dry bulb.
    def gain_search(self, x, evaluate, clamp, tol, gain, restart, giveup, resets, wet):
        start = x
        e, _ = evaluate(x)
        k = float(gain)
        n = 0
        while True:
            if abs(e) < f32(tol):
                return x
            step = e * x / (self.VaporPress * k)
            x = clamp(x - step if wet else x + step)
            e_new, valid = evaluate(x)
            if n > restart:
                k *= 2
                n = 0
                if resets:
                    x = start
            if k > 1000 and n > giveup:
                raise GiveUp()
            if valid:
                e = e_new
            n += 1

    def stepwise(self, target, f):
        ta = self.WetBulb
        tb = ta
        for s in (1.0, 0.1, 0.01, 0.001, 0.0001):
            while True:
                tb = f32(ta + s)
                if not f(tb) >= target:
                    break
                ta = tb
        return (ta + tb) / 2 if self.p['midpoint'] else ta

    # --- The six solvers.
    def dry_wet(self):
        if abs(self.DryBulb - self.WetBulb) < f32(0.0001):
            self.DewPoint = self.DryBulb
            self.RelHumid = 1.0
            self.saturated()
        else:
            self.set('SatPressWet', self.sat_press(self.WetBulb))
            self.set('HumidRatioSatWet', self.r1(self.SatPressWet))
            self.set('HumidRatio', self.r3(self.DryBulb, self.WetBulb))
            if self.HumidRatio < 0:
                return False
            self.set('HumidRatioSat', self.r1(self.sat_press(self.DryBulb)))
            self.set('VaporPress', self.r2(self.HumidRatio))
            self.set('SatDegree', self.r4())
            self.set('RelHumid', self.r5(self.SatDegree, self.DryBulb))
            self.dew(self.VaporPress)
        self.volume_enthalpy()
        return True

    def dry_dew(self):
        if self.DewPoint > self.DryBulb + f32(0.1):
            return False
        if self.DewPoint >= self.DryBulb - f32(0.000001):
            self.WetBulb = self.DryBulb
            self.RelHumid = 1.0
            self.saturated()
            self.volume_enthalpy()
            return True

        self.set('VaporPress', self.sat_press(self.DewPoint))
        # The wet bulb whose trial holds the dew point's humidity ratio: halve the bracket
        # from the dew point to the dry bulb down to neighbouring floats, take the nearer.
        target = self.r1(self.VaporPress)
        lo, hi = min(self.DewPoint, self.DryBulb), self.DryBulb
        while True:
            mid = f32((lo + hi) / 2)
            if not lo < mid < hi:
                x = lo if abs(self.wet_trial(lo) - target) < abs(self.wet_trial(hi) - target) else hi
                break
            w = self.wet_trial(mid)
            if w == target:
                x = mid
                break
            if w < target:
                lo = mid
            else:
                hi = mid
        self.set('WetBulb', x)
        self.wet_trial(self.WetBulb)
        self.set('HumidRatio', target)
        self.set('HumidRatioSat', self.r1(self.sat_press(self.DryBulb)))
        self.set('SatDegree', self.r4())
        self.set('RelHumid', self.r5(self.SatDegree, self.DryBulb))
        self.volume_enthalpy()
        return True

    def dew_rh(self):
        p = self.p
        self.set('VaporPress', self.sat_press(self.DewPoint))
        self.set('SatPress', self.VaporPress / self.RelHumid)
        self.set('HumidRatio', self.r1(self.VaporPress))
        self.set('HumidRatioSat', self.r1(self.SatPress))
        if self.RelHumid >= f32(0.9999):
            self.DryBulb = self.WetBulb = self.DewPoint
        else:
            def clamp(x):
                return self.DewPoint if x <= self.DewPoint else 900.0 if x > 900 else x
            x = self.gain_search(self.DewPoint, lambda t: (self.SatPress - self.sat_press(t), True), clamp,
                                 p['pr1_tol'], p['pr1_gain'], p['pr1_restart'], p['pr1_giveup'], True, False)
            self.set('DryBulb', x)
            x = self.gain_search(self.DryBulb, lambda t: (self.wet_trial(t) - self.HumidRatio, True), clamp,
                                 p['pr2_tol'], p['pr2_gain'], p['pr2_restart'], p['pr2_giveup'], False, True)
            self.set('WetBulb', x)
        self.set('SatDegree', self.HumidRatio / self.HumidRatioSat)
        self.volume_enthalpy()
        return True

    def dry_rh(self):
        p = self.p
        self.set('SatPress', self.sat_press(self.DryBulb))
        self.set('VaporPress', self.RelHumid * self.SatPress)
        self.set('HumidRatioSat', self.r1(self.SatPress))
        self.set('HumidRatio', self.r1(self.VaporPress))
        self.set('SatDegree', self.HumidRatio / self.HumidRatioSat)
        self.volume_enthalpy()
        if self.RelHumid >= f32(0.9999):
            self.WetBulb = self.DewPoint = self.DryBulb
            return True
        self.dew(self.VaporPress)

        def clamp(x):
            return self.DryBulb if x <= 0 or x > self.DryBulb else x
        x = self.gain_search(self.DryBulb, lambda t: (self.wet_trial(t) - self.HumidRatio, True), clamp,
                             p['dr_tol'], p['dr_gain'], p['dr_restart'], p['dr_giveup'], True, True)
        self.set('WetBulb', x)
        return True

    def wet_dew(self):
        self.set('VaporPress', self.sat_press(self.DewPoint))
        self.set('HumidRatio', self.r1(self.VaporPress))
        self.set('SatPressWet', self.sat_press(self.WetBulb))
        self.set('HumidRatioSatWet', self.r1(self.SatPressWet))
        if abs(self.WetBulb - self.DewPoint) <= f32(0.000001):
            self.DryBulb = self.WetBulb
        else:
            self.set('DryBulb', self.stepwise(self.HumidRatio, lambda t: self.r3(t, self.WetBulb)))
        self.set('HumidRatioSat', self.r1(self.sat_press(self.DryBulb)))
        self.set('SatDegree', self.r4())
        self.set('RelHumid', self.r5(self.SatDegree, self.DryBulb))
        self.volume_enthalpy()
        return True

    def wet_rh(self):
        self.set('SatPressWet', self.sat_press(self.WetBulb))
        self.set('HumidRatioSatWet', self.r1(self.SatPressWet))
        if self.RelHumid >= f32(0.9999):
            self.DryBulb = self.DewPoint = self.WetBulb
            self.saturated()
        else:
            def f(t):
                self.set('HumidRatio', self.r3(t, self.WetBulb))
                self.set('HumidRatioSat', self.r1(self.sat_press(t)))
                self.set('SatDegree', self.r4())
                return self.r5(self.SatDegree, t)
            self.set('DryBulb', self.stepwise(self.RelHumid, f))
            if not self.p['last_trial_w']:
                self.set('HumidRatio', self.r3(self.DryBulb, self.WetBulb))
            self.set('VaporPress', self.RelHumid * self.sat_press(self.DryBulb))
            self.dew(self.VaporPress)
        self.set('HumidRatioSat', self.r1(self.sat_press(self.DryBulb)))
        self.set('SatDegree', self.HumidRatio / self.HumidRatioSat)
        self.volume_enthalpy()
        return True


SOLVERS = {
    'DryBulbWetBulb': ('dry_wet', 'DryBulb', 'WetBulb'),
    'DryBulbDewPoint': ('dry_dew', 'DryBulb', 'DewPoint'),
    'DryBulbRelHumid': ('dry_rh', 'DryBulb', 'RelHumid'),
    'WetBulbDewPoint': ('wet_dew', 'WetBulb', 'DewPoint'),
    'WetBulbRelHumid': ('wet_rh', 'WetBulb', 'RelHumid'),
    'DewPointRelHumid': ('dew_rh', 'DewPoint', 'RelHumid'),
}


def solve(name, a, b, press=14.697, params=BASE):
    method, first, second = SOLVERS[name]
    air = Air(press, params)
    air.set(first, a)
    air.set(second, b)
    try:
        ok = getattr(air, method)()
    except (GiveUp, Fault, ArithmeticError, ValueError):
        ok = False
    return ok, [getattr(air, v) for v in VARS]


def R(f):  # Fahrenheit to Rankine, as the tests pass it
    return f32(f + 459.67)


# Ordinary states over the chart, hard ones and a give-up.
CASES = [
    ('DryBulbWetBulb', R(75), R(62.5), 14.697),
    ('DryBulbWetBulb', R(20), R(18), 12.2273),
    ('DryBulbDewPoint', R(75), R(55), 14.697),
    ('DryBulbDewPoint', R(110), R(40), 12.2273),
    ('DryBulbRelHumid', R(75), 0.5, 14.697),
    ('DryBulbRelHumid', R(40), 0.9, 12.2273),
    ('DryBulbRelHumid', R(60), 0.37, 14.697),      # just above the dew-point switch
    ('WetBulbDewPoint', R(62.5), R(55), 14.697),
    ('WetBulbDewPoint', R(20), R(-10), 14.697),
    ('WetBulbRelHumid', R(62.5), 0.5, 14.697),
    ('WetBulbRelHumid', R(80), 0.1, 12.2273),
    ('DewPointRelHumid', R(50), 0.5, 14.697),
    ('DewPointRelHumid', R(30), 0.05, 14.697),
    ('DryBulbDewPoint', R(-10), R(-12), 14.697),    # over ice, near saturation
    ('DryBulbRelHumid', R(-40), 0.2, 14.697),       # three restarts
    ('DewPointRelHumid', R(-55), 0.5, 14.697),      # restarts in both searches
    ('DryBulbRelHumid', R(-30), 0.002, 14.697),     # gives up after six restarts
]


def mutants():
    out = {}
    for key, value in BASE.items():
        if isinstance(value, bool):
            out[key] = dict(BASE, **{key: not value})
        elif isinstance(value, int):
            out[key + '+1'] = dict(BASE, **{key: value + 1})
            out[key + '-1'] = dict(BASE, **{key: value - 1})
        else:
            out[key] = dict(BASE, **{key: value * 1.01})
    return out


def same(a, b):
    return all(abs(x - y) <= 2e-7 * max(abs(x), abs(y)) for x, y in zip(a, b))


def literal(v):  # a C++ float literal that reads back the same float
    text = f'{v:.9g}'
    return text + ('' if '.' in text or 'e' in text else '.0') + 'f'


def main():
    if '--kill' in sys.argv:
        for label, params in mutants().items():
            killers = []
            for i, case in enumerate(CASES):
                (ok, values), (ok2, values2) = solve(*case), solve(*case, params=params)
                if ok != ok2 or not same(values, values2):
                    killers.append(i)
            print(f'{label:16} {killers}')
        return
    for name, a, b, press in CASES:
        ok, values = solve(name, a, b, press)
        text = ', '.join(literal(v) for v in values)
        print(f'{{Calc{name}, {literal(a)}, {literal(b)}, {literal(press)}, {str(ok).lower()}, {{{text}}}}},')


if __name__ == '__main__':
    main()
