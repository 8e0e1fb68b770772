#!/usr/bin/env python3
"""Supply-air flows of a room, for the heat-and-moisture tests.

Worked out apart from the C++ code: the known point as typed (dry bulb and relative
humidity), the process line's end for an outlet dry bulb (on the straight auxiliary
line) or dew point (on the process line), the two-decimal texts handed to the chart
window, and the new point's humidity ratio taken as its dew point's own (the vapour
pressure at the dew point). Run it to print the rows the tests hold.
"""
from outlet_states import shown, temp_from_enthalpy
from reference_states import Air, f32, solve

PRESS = 14.697


def dew_point_w(dew_f):
    air = Air(PRESS)
    return air.r1(air.sat_press(f32(dew_f + 459.67)))


def supply(q, gains, kind, value, known=(55, 0.95)):
    ok, state = solve('DryBulbRelHumid', f32(known[0] + 459.67), known[1], PRESS)
    t1, w1, h1 = state[0], state[5], state[4]
    m = sum(flow for flow, _ in gains)
    r = (q + sum(flow * enthalpy for flow, enthalpy in gains)) / m
    if kind == 'dew':
        w = dew_point_w(value)
        t = temp_from_enthalpy(h1 + (w - w1) * r, w)
        dew = value
    else:  # dry bulb: the straight line through the known point and W' = 2.5 W1
        w2 = 2.5 * w1
        t2 = temp_from_enthalpy(h1 + (w2 - w1) * r, w2)
        s = (w2 - w1) / f32(t2 - t1)
        t = value + 459.67
        w = s * t + (w2 - s * t2)
        air = Air(PRESS)
        air.dew(air.r2(w))
        dew = air.DewPoint - 459.67
    t_shown, w_new = round(t - 459.67, 2), dew_point_w(round(dew, 2))
    flow = m / ((w_new - w1) * 60)
    volume = 0.7543 * (t_shown + 459.67) * (1 + 1.6078 * w_new) / f32(PRESS * 2.036026) * flow
    return shown(flow), shown(volume)


if __name__ == '__main__':
    room = [(10, 1100), (5, 1150), (2, 40)]
    for kind, value in [('dry', 75.0), ('dew', 58.0), ('dry', 80.0)]:
        print(kind, value, *supply(60000, room, kind, value))
    print('dew', 60.0, *supply(20000, [(10, 1100)], 'dew', 60.0))
    print('dry', 75.0, *supply(20000, [(10, 1100)], 'dry', 75.0))
