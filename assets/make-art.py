#!/usr/bin/env python3
"""Writes the game's artwork as SVG files next to this script, and the resource list that compiles
them into the program (tavorin.qrc).

The drawings are plain shapes on purpose: a square of the board is only about 73 x 57 pixels at the
usual scale, so every place is told by one bold silhouette and a colour band, not by detail.
Coordinates are twips (15 to a pixel at 96 dpi) for everything placed on the board, so a picture's
viewBox is exactly the size the board gives it.

Run it after changing a drawing:  python3 assets/make-art.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------------------------
# Colours

INK = '#3b2e26'          # outlines
BOARD = '#ecf6e4'        # the board's own background, behind the rounded corners of a square
SKY_TOP, SKY_LOW = '#8fd0f4', '#e4f5fc'
GRASS, GRASS_DARK = '#8fcf6a', '#5fa544'
SEA, SEA_LIGHT = '#3b9fd9', '#86d0f2'
SAND = '#f4dc9c'
GOLD, GOLD_DARK, GOLD_LIGHT = '#f0b92a', '#b9841a', '#ffe07a'
WHITE = '#fdfaf2'
ROOF_RED, ROOF_ORANGE, ROOF_GREEN = '#c8402f', '#e2792a', '#3f8f4a'
BRICK, BRICK_DARK = '#c0683e', '#8f4527'

# The deed groups: single land in the computer's neighbour groups, then pair and group land.
BANDS = {
    1: '#8b5a2b',   # deeds 1-2
    2: '#3fa9e0',   # 5-7
    3: '#d9418c',   # 8, 10, 11
    4: '#f08a24',   # 13-15
    5: '#d7322e',   # 16-18
    6: '#e8c11a',   # 20, 21, 23
    7: '#2e9e4f',   # 24-26
    8: '#2a4bb0',   # 28-29
    'pair': '#6b7a8c',
    'group': '#7a4fb5',
}
SINGLE_GROUP = {1: 1, 2: 1, 5: 2, 6: 2, 7: 2, 8: 3, 10: 3, 11: 3, 13: 4, 14: 4, 15: 4, 16: 5, 17: 5, 18: 5,
                20: 6, 21: 6, 23: 6, 24: 7, 25: 7, 26: 7, 28: 8, 29: 8}
PAIR = {9, 22}
GROUP = {3, 4, 12, 19, 27}

PLAYER = {1: '#dc1e28', 2: '#1e5adc', 3: '#14a03c', 4: '#f59600', 5: '#8c32be', 6: '#00aab4'}


def band_of(deed):
    if deed in PAIR:
        return BANDS['pair']
    if deed in GROUP:
        return BANDS['group']
    return BANDS[SINGLE_GROUP[deed]]


# ---------------------------------------------------------------------------------------------
# Small SVG writers

def f(v):
    """A number as short as it can be written."""
    v = round(v, 1)
    return str(int(v)) if v == int(v) else str(v)


def pts(points):
    return ' '.join(f'{f(x)},{f(y)}' for x, y in points)


def paint(attr, colour):
    """A colour attribute; '#rrggbbaa' is written as the colour and its opacity, which SVG Tiny needs."""
    if colour.startswith('#') and len(colour) == 9:
        return f'{attr}="{colour[:7]}" {attr}-opacity="{round(int(colour[7:], 16) / 255, 2)}"'
    return f'{attr}="{colour}"'


def style(fill, stroke, sw, extra):
    s = paint('fill', fill)
    if stroke:
        s += f' {paint("stroke", stroke)} stroke-width="{f(sw)}" stroke-linejoin="round" stroke-linecap="round"'
    if extra:
        s += ' ' + extra
    return s


def rect(x, y, w, h, fill, stroke=INK, sw=10, rx=0, extra=''):
    r = f' rx="{f(rx)}"' if rx else ''
    return f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}"{r} {style(fill, stroke, sw, extra)}/>'


def circle(cx, cy, r, fill, stroke=INK, sw=10, extra=''):
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" {style(fill, stroke, sw, extra)}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=10, extra=''):
    return f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" {style(fill, stroke, sw, extra)}/>'


def poly(points, fill, stroke=INK, sw=10, extra=''):
    return f'<polygon points="{pts(points)}" {style(fill, stroke, sw, extra)}/>'


def line(points, stroke=INK, sw=10, extra=''):
    return f'<polyline points="{pts(points)}" fill="none" {paint("stroke", stroke)} stroke-width="{f(sw)}" ' \
           f'stroke-linejoin="round" stroke-linecap="round" {extra}/>'


def path(d, fill, stroke=INK, sw=10, extra=''):
    return f'<path d="{d}" {style(fill, stroke, sw, extra)}/>'


def group(items, transform=''):
    t = f' transform="{transform}"' if transform else ''
    return f'<g{t}>' + ''.join(items) + '</g>'


def stop(offset, colour):
    return f'<stop offset="{offset}" {paint("stop-color", colour)}/>'.replace('stop-color-opacity', 'stop-opacity')


def linear(id_, stops, x2=0, y2=1):
    s = ''.join(stop(o, c) for o, c in stops)
    return f'<linearGradient id="{id_}" x1="0" y1="0" x2="{x2}" y2="{y2}">{s}</linearGradient>'


def radial(id_, stops, cx=0.5, cy=0.5, r=0.5):
    s = ''.join(stop(o, c) for o, c in stops)
    return f'<radialGradient id="{id_}" cx="{cx}" cy="{cy}" r="{r}">{s}</radialGradient>'


def svg(w, h, defs, body, title):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<title>{title}</title>\n<defs>{"".join(defs)}</defs>\n' + '\n'.join(body) + '\n</svg>\n')


# ---------------------------------------------------------------------------------------------
# Pieces that several drawings share

def sun(cx, cy, r):
    rays = []
    for i in range(12):
        a = i * math.pi / 6
        rays.append(line([(cx + math.cos(a) * r * 1.3, cy + math.sin(a) * r * 1.3),
                          (cx + math.cos(a) * r * 1.65, cy + math.sin(a) * r * 1.65)], '#f7b500', r * 0.22))
    return group(rays + [circle(cx, cy, r, '#ffd23f', '#f0a500', r * 0.14)])


def cloud(cx, cy, s):
    return group([ellipse(cx - 45 * s, cy + 8 * s, 55 * s, 35 * s, WHITE, None),
                  ellipse(cx + 10 * s, cy - 10 * s, 60 * s, 45 * s, WHITE, None),
                  ellipse(cx + 60 * s, cy + 10 * s, 50 * s, 32 * s, WHITE, None)], )


def hills(y, colour, h=120, w=1095, humps=3, phase=0.0):
    d = f'M0,{f(y + h)} '
    steps = 24
    for i in range(steps + 1):
        x = w * i / steps
        yy = y + h * 0.5 - h * 0.5 * math.sin(math.pi * humps * i / steps + phase)
        d += f'L{f(x)},{f(yy)} '
    d += f'L{w},900 L0,900 Z'
    return path(d, colour, None)


def ground(y, colour=GRASS, w=1095):
    return rect(-10, y, w + 20, 1000, colour, None)


def water(y, w=1095, colour=SEA, light=SEA_LIGHT):
    items = [rect(-10, y, w + 20, 1000, colour, None)]
    for i, yy in enumerate((y + 30, y + 75, y + 120)):
        x0 = 60 + (i % 2) * 140
        for x in range(x0, w, 300):
            items.append(line([(x, yy), (x + 40, yy - 12), (x + 80, yy), (x + 120, yy - 12)], light, 10))
    return group(items)


def palm(x, y, h, lean=1.0, s=1.0):
    """A palm standing at (x, y), its crown h above, leaning right when lean > 0."""
    tx, ty = x + 70 * lean * s, y - h
    trunk = path(f'M{f(x - 14 * s)},{f(y)} Q{f(x + 10 * lean * s)},{f(y - h * 0.5)} {f(tx - 10 * s)},{f(ty)} '
                 f'L{f(tx + 12 * s)},{f(ty + 6 * s)} Q{f(x + 34 * lean * s)},{f(y - h * 0.45)} {f(x + 18 * s)},{f(y)} Z',
                 '#a0703c', INK, 8 * s)
    leaves = []
    for ang, ln in ((-160, 150), (-125, 130), (-60, 135), (-20, 150), (15, 120), (160, 120)):
        a = math.radians(ang)
        ex, ey = tx + math.cos(a) * ln * s, ty + math.sin(a) * ln * s + 40 * s
        mx, my = tx + math.cos(a) * ln * 0.55 * s, ty + math.sin(a) * ln * 0.55 * s - 30 * s
        leaves.append(path(f'M{f(tx)},{f(ty)} Q{f(mx)},{f(my - 10 * s)} {f(ex)},{f(ey)} '
                           f'Q{f(mx)},{f(my + 30 * s)} {f(tx)},{f(ty)} Z', '#3f9e3c', INK, 7 * s))
    coconuts = [circle(tx - 8 * s, ty + 18 * s, 13 * s, '#7a4a22', INK, 5 * s),
                circle(tx + 14 * s, ty + 20 * s, 13 * s, '#7a4a22', INK, 5 * s)]
    return group([trunk] + leaves + coconuts)


def tree(x, y, r, colour='#3f9e3c'):
    return group([rect(x - r * 0.15, y - r * 0.9, r * 0.3, r * 0.9, '#8a5a2b', INK, 7),
                  circle(x, y - r * 1.25, r * 0.75, colour, INK, 8)])


def chofa_roof(cx, base, w, h, roof=ROOF_RED, trim=GOLD, face=GOLD, tiers=2):
    """A Thai temple roof: a steep gable in tiers, gold bargeboards and the hooked chofa finials."""
    items = []
    # The lower tiers show as sloping skirts either side of the main gable.
    for t in range(tiers, 0, -1):
        spread = w * (0.5 + 0.09 * t)
        yb = base - h * 0.08 * (t - 1)
        items.append(poly([(cx - spread, yb), (cx - w * 0.22, yb - h * 0.55), (cx + w * 0.22, yb - h * 0.55),
                           (cx + spread, yb)], roof, INK, 10))
        items.append(line([(cx - spread, yb), (cx - w * 0.22, yb - h * 0.55)], trim, 12))
        items.append(line([(cx + spread, yb), (cx + w * 0.22, yb - h * 0.55)], trim, 12))
    apex = base - h
    items.append(poly([(cx - w * 0.42, base), (cx, apex), (cx + w * 0.42, base)], roof, INK, 10))
    items.append(poly([(cx - w * 0.28, base - 10), (cx, apex + h * 0.3), (cx + w * 0.28, base - 10)], face, INK, 8))
    items.append(line([(cx - w * 0.44, base + 4), (cx, apex), (cx + w * 0.44, base + 4)], trim, 16))
    # chofa at the ridge, hooks at the eaves
    items.append(path(f'M{f(cx)},{f(apex)} C{f(cx + 6)},{f(apex - 45)} {f(cx + 42)},{f(apex - 60)} '
                      f'{f(cx + 38)},{f(apex - 24)}', 'none', trim, 14))
    for s in (-1, 1):
        ex = cx + s * w * 0.44
        items.append(path(f'M{f(ex)},{f(base + 4)} q{f(s * 22)},{f(-6)} {f(s * 24)},{f(-34)}', 'none', trim, 12))
    return group(items)


def temple(cx, base, w, wall=WHITE, roof=ROOF_RED, trim=GOLD, face=GOLD, wall_h=150, roof_h=230):
    """A whole ubosot: stepped base, walls with windows, and the roof above."""
    items = [rect(cx - w * 0.56, base - 34, w * 1.12, 34, '#d8d2c4', INK, 8),
             rect(cx - w * 0.42, base - 34 - wall_h, w * 0.84, wall_h, wall, INK, 10)]
    for i in (-1, 0, 1):
        x = cx + i * w * 0.26
        items.append(path(f'M{f(x - 22)},{f(base - 34)} v{f(-wall_h * 0.55)} q22,-34 44,0 v{f(wall_h * 0.55)} Z',
                          '#6b3b1e' if i == 0 else GOLD_DARK, INK, 6))
    items.append(chofa_roof(cx, base - 34 - wall_h, w, roof_h, roof, trim, face))
    return group(items)


def prang(cx, base, w, h, body=WHITE, bands='#d9cbb0', tip=GOLD):
    """The corn-cob tower of the old temples."""
    top = base - h
    d = (f'M{f(cx - w / 2)},{f(base)} L{f(cx - w * 0.44)},{f(base - h * 0.35)} '
         f'C{f(cx - w * 0.42)},{f(base - h * 0.7)} {f(cx - w * 0.2)},{f(base - h * 0.85)} {f(cx - w * 0.08)},{f(base - h * 0.88)} '
         f'L{f(cx)},{f(top)} L{f(cx + w * 0.08)},{f(base - h * 0.88)} '
         f'C{f(cx + w * 0.2)},{f(base - h * 0.85)} {f(cx + w * 0.42)},{f(base - h * 0.7)} {f(cx + w * 0.44)},{f(base - h * 0.35)} '
         f'L{f(cx + w / 2)},{f(base)} Z')
    items = [path(d, body, INK, 10)]
    for k in (0.2, 0.38, 0.54, 0.68, 0.79):
        y = base - h * k
        half = w * (0.46 - 0.3 * k * k) if k < 0.5 else w * (0.52 - 0.52 * k)
        items.append(line([(cx - half, y), (cx + half, y)], bands, 9))
    items.append(path(f'M{f(cx - 16)},{f(base)} v-70 q16,-24 32,0 v70 Z', '#6b3b1e', INK, 6))
    items.append(line([(cx, base - h * 0.88), (cx, top - 20)], tip, 12))
    return group(items)


def chedi(cx, base, w, h, body=GOLD, dark=GOLD_DARK):
    """A bell-shaped stupa: terraces, the bell, rings and the spire."""
    bell_h = h * 0.38
    items = [rect(cx - w / 2, base - h * 0.1, w, h * 0.1, body, INK, 8),
             rect(cx - w * 0.42, base - h * 0.18, w * 0.84, h * 0.08, body, INK, 8),
             path(f'M{f(cx - w * 0.36)},{f(base - h * 0.18)} C{f(cx - w * 0.36)},{f(base - h * 0.18 - bell_h * 1.2)} '
                  f'{f(cx + w * 0.36)},{f(base - h * 0.18 - bell_h * 1.2)} {f(cx + w * 0.36)},{f(base - h * 0.18)} Z',
                  body, INK, 10)]
    y = base - h * 0.18 - bell_h * 0.9
    items.append(rect(cx - w * 0.12, y - h * 0.07, w * 0.24, h * 0.07, body, INK, 7))
    items.append(poly([(cx - w * 0.09, y - h * 0.07), (cx, base - h), (cx + w * 0.09, y - h * 0.07)], body, INK, 8))
    for k in range(1, 5):
        yy = y - h * 0.07 - k * (base - h - (y - h * 0.07)) / 5 * -1
        half = w * 0.09 * (1 - k / 5)
        items.append(line([(cx - half, yy), (cx + half, yy)], dark, 6))
    items.append(path(f'M{f(cx - w * 0.3)},{f(base - h * 0.2)} C{f(cx - w * 0.28)},{f(base - h * 0.45)} '
                      f'{f(cx - w * 0.1)},{f(base - h * 0.5)} {f(cx - w * 0.04)},{f(base - h * 0.5)}',
                      'none', '#ffffff', 10, 'stroke-opacity="0.55"'))
    return group(items)


def mountains(peaks, colour, snow=None):
    items = []
    for (x, top, half) in peaks:
        items.append(poly([(x - half, 640), (x, top), (x + half, 640)], colour, INK, 10))
        if snow:
            items.append(poly([(x - half * 0.28, top + (640 - top) * 0.28), (x, top), (x + half * 0.28, top + (640 - top) * 0.28),
                               (x + half * 0.1, top + (640 - top) * 0.22), (x - half * 0.05, top + (640 - top) * 0.3)],
                              snow, INK, 7))
    return group(items)


def boat(x, y, s=1.0, hull='#8b4a24', sail=None):
    items = [path(f'M{f(x - 110 * s)},{f(y - 30 * s)} L{f(x + 110 * s)},{f(y - 30 * s)} '
                  f'Q{f(x + 90 * s)},{f(y + 10 * s)} {f(x + 60 * s)},{f(y + 12 * s)} L{f(x - 70 * s)},{f(y + 12 * s)} '
                  f'Q{f(x - 100 * s)},{f(y)} {f(x - 110 * s)},{f(y - 30 * s)} Z', hull, INK, 8 * s)]
    if sail:
        items.insert(0, line([(x, y - 30 * s), (x, y - 230 * s)], INK, 8 * s))
        items.insert(1, poly([(x + 8 * s, y - 220 * s), (x + 8 * s, y - 50 * s), (x + 120 * s, y - 50 * s)], sail, INK, 8 * s))
    return group(items)


# ---------------------------------------------------------------------------------------------
# The land squares: one scene per place. Scenes draw on a 1095 x 855 box; the band, frame and
# rounded corners are added around them. The lower quarter is where the name is written.

W, H = 1095, 855


def sky_defs():
    return [linear('sky', [(0, SKY_TOP), (1, SKY_LOW)])]


def scene_bangpain():  # a royal pavilion standing in its pond
    items = [rect(0, 0, W, H, 'url(#sky)', None), cloud(560, 260, 0.8), hills(470, '#a9d98c', 60, humps=2),
             water(560)]
    cx, base = 360, 560
    items.append(rect(cx - 170, base - 20, 340, 34, '#d8d2c4', INK, 8))
    for x in (cx - 120, cx - 40, cx + 40, cx + 120):
        items.append(rect(x - 12, base - 170, 24, 150, WHITE, INK, 7))
    items.append(poly([(cx - 175, base - 160), (cx - 90, base - 230), (cx + 90, base - 230), (cx + 175, base - 160)],
                      ROOF_GREEN, INK, 10))
    items.append(poly([(cx - 100, base - 225), (cx - 45, base - 290), (cx + 45, base - 290), (cx + 100, base - 225)],
                      ROOF_ORANGE, INK, 10))
    items.append(poly([(cx - 48, base - 285), (cx, base - 430), (cx + 48, base - 285)], GOLD, INK, 10))
    for k in range(1, 4):
        y = base - 285 - k * 32
        items.append(line([(cx - 48 + k * 11, y), (cx + 48 - k * 11, y)], GOLD_DARK, 7))
    items.append(line([(cx, base - 430), (cx, base - 470)], GOLD, 9))
    items.append(rect(cx - 200, base + 14, 400, 14, '#2f7fb7', None, extra='opacity="0.5"'))
    return items


def scene_ayutthaya():  # the brick ruins
    items = [rect(0, 0, W, H, 'url(#sky)', None), sun(640, 280, 42), ground(560, '#a7d57d')]
    items.append(prang(330, 580, 230, 400, '#c87a4f', BRICK_DARK, BRICK_DARK))
    # the broken tip: a jagged top instead of a spire
    items.append(poly([(308, 230), (318, 200), (330, 222), (342, 196), (352, 228)], '#c87a4f', INK, 8))
    for x, h in ((110, 120), (160, 80), (520, 140), (580, 95), (640, 60)):
        items.append(rect(x - 22, 580 - h, 44, h, BRICK, INK, 8))
        items.append(poly([(x - 22, 580 - h), (x - 8, 580 - h - 18), (x + 6, 580 - h - 6), (x + 22, 580 - h - 16),
                           (x + 22, 580 - h)], BRICK, INK, 6))
    items.append(rect(60, 572, 640, 18, BRICK_DARK, INK, 6))
    return items


def scene_wat_arun():  # the tall prang by the river
    items = [rect(0, 0, W, H, 'url(#sky)', None), water(560)]
    items.append(prang(170, 572, 120, 200, WHITE, '#7fb8d9', GOLD))
    items.append(prang(560, 572, 120, 200, WHITE, '#7fb8d9', GOLD))
    items.append(prang(365, 572, 250, 420, WHITE, '#e28fb0', GOLD))
    items.append(rect(60, 560, 620, 24, '#d8d2c4', INK, 8))
    items.append(boat(610, 690, 0.6, '#a0522d'))
    return items


def scene_wat_pho():  # a temple hall and the four great chedis in their colours
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(565, '#cfc6b2')]
    for i, c in enumerate(('#3fae5a', WHITE, '#f3cf3a', '#3f7fd6')):
        items.append(chedi(90 + i * 70 + (i // 2) * 330, 575, 80, 330 - (i % 2) * 30, c, INK))
    items.append(temple(370, 580, 300, WHITE, ROOF_ORANGE, GOLD, GOLD, 110, 200))
    return items


def scene_bangkok():  # the city's towers by the river
    items = [rect(0, 0, W, H, 'url(#sky)', None)]
    towers = [(40, 120, 300, '#8aa6c8'), (150, 95, 420, '#5e7fa8'), (235, 110, 250, '#a4bcd8'),
              (330, 90, 470, '#44648f'), (410, 120, 330, '#7b97bd'), (520, 100, 390, '#5a7aa4'),
              (610, 110, 280, '#9db3d0')]
    for x, w, h, c in towers:
        items.append(rect(x, 580 - h, w, h, c, INK, 9))
        for wy in range(int(580 - h + 30), 560, 50):
            for wx in range(int(x + 18), int(x + w - 22), 30):
                items.append(rect(wx, wy, 14, 22, '#ffe79a', None))
    items.append(poly([(330, 110), (375, 60), (420, 110)], '#44648f', INK, 8))
    items.append(line([(375, 60), (375, 20)], INK, 8))
    items.append(water(575))
    return items


def scene_kanchanaburi():  # the steel bridge over the river
    items = [rect(0, 0, W, H, 'url(#sky)', None), hills(380, '#9ccf7f', 90, humps=2, phase=0.6),
             rect(-10, 470, W + 20, 60, '#6cae53', None), water(530)]
    deck = 470
    for x in (40, 270, 500):
        items.append(path(f'M{x},{deck} Q{x + 115},{deck - 150} {x + 230},{deck} Z', 'none', '#2d2d35', 16))
        for k in range(1, 6):
            xx = x + k * 230 / 6
            yy = deck - 150 * (1 - ((xx - x - 115) / 115) ** 2) * 0.98
            items.append(line([(xx, deck), (xx, yy)], '#2d2d35', 8))
        items.append(line([(x + 20, deck), (x + 115, deck - 145), (x + 210, deck)], '#2d2d35', 6))
    items.append(rect(20, deck - 8, 730, 22, '#2d2d35', INK, 6))
    for x in (150, 380, 610):
        items.append(rect(x - 24, deck + 14, 48, 110, '#8f8c86', INK, 8))
    # a small train crossing
    items.append(rect(60, deck - 70, 150, 62, '#c8402f', INK, 8))
    items.append(rect(210, deck - 55, 90, 47, '#e2792a', INK, 8))
    for x in (80, 135, 185, 235, 280):
        items.append(circle(x, deck - 8, 12, INK, None))
    return items


def scene_srinagarind():  # the dam wall between two hills, its lake brimming behind
    items = [rect(0, 0, W, H, 'url(#sky)', None), cloud(600, 250, 0.7),
             rect(-10, 300, W + 20, 60, '#3b8fc9', None),
             path('M-10,620 L-10,290 Q90,230 200,300 L230,620 Z', '#5fa544', INK, 10),
             path('M560,620 L600,300 Q700,240 800,290 L1110,300 L1110,620 Z', '#5fa544', INK, 10),
             poly([(190, 330), (610, 330), (660, 620), (150, 620)], '#d9d4c9', INK, 12)]
    for y in (390, 450, 510, 570):
        items.append(line([(190 - (y - 330) * 0.14, y), (610 + (y - 330) * 0.17, y)], '#b3ac9e', 7))
    items.append(rect(170, 314, 460, 30, '#bdb6a8', INK, 9))
    for x in (330, 400, 470):
        items.append(rect(x - 24, 350, 48, 40, '#6b7785', INK, 7))
        items.append(path(f'M{x - 20},390 Q{x - 30},500 {x - 44},620 L{x + 44},620 Q{x + 30},500 {x + 20},390 Z',
                          '#e8f6ff', '#8fc7e8', 6))
    items.append(water(610, colour='#4aa3d8'))
    return items


def scene_lopburi():  # the three prangs
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(570, '#a9d57e')]
    for x, h in ((170, 300), (380, 380), (590, 300)):
        items.append(prang(x, 585, 170, h, '#b9744a', BRICK_DARK, BRICK_DARK))
    items.append(rect(60, 570, 640, 22, BRICK_DARK, INK, 6))
    # a monkey on the wall
    items.append(circle(660, 542, 18, '#8a5a2b', INK, 6))
    items.append(ellipse(640, 562, 26, 16, '#8a5a2b', INK, 6))
    items.append(path('M616,566 q-30,-10 -24,-40', 'none', '#8a5a2b', 8))
    return items


def scene_power():  # a pylon carrying the lines
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(580, '#a9d57e')]
    cx = 360
    legs = [(cx - 130, 600), (cx - 40, 200), (cx + 40, 200), (cx + 130, 600)]
    items.append(line([legs[0], legs[1], (cx, 150), legs[2], legs[3]], '#4d5663', 16))
    for k in range(5):
        y0 = 600 - k * 80
        y1 = y0 - 80
        xl0 = cx - 130 + k * 18
        xl1 = cx - 130 + (k + 1) * 18
        items.append(line([(xl0, y0), (2 * cx - xl1, y1)], '#4d5663', 7))
        items.append(line([(2 * cx - xl0, y0), (xl1, y1)], '#4d5663', 7))
    for y, half in ((250, 230), (360, 270)):
        items.append(line([(cx - half, y), (cx + half, y)], '#4d5663', 14))
        for s in (-1, 1):
            items.append(line([(cx + s * half, y), (cx + s * half, y + 40)], '#4d5663', 8))
    for y in (290, 400):
        items.append(path(f'M-10,{y - 20} Q{cx - 280},{y + 40} {cx - 270},{y}', 'none', INK, 5))
        items.append(path(f'M{cx + 270},{y} Q{cx + 420},{y + 50} 1110,{y - 10}', 'none', INK, 5))
    items.append(poly([(620, 200), (560, 330), (610, 330), (570, 440), (690, 290), (635, 290), (680, 200)],
                      '#ffd23f', INK, 9))
    return items


def scene_nakhon_pathom():  # the great orange stupa
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(575, '#cfc6b2')]
    items.append(chedi(380, 590, 520, 460, '#e98a2f', '#a5541a'))
    items.append(tree(80, 585, 70))
    items.append(tree(680, 585, 60))
    return items


def scene_phutthamonthon():  # the wheel of the teaching on its pillar, in the park
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(560, '#8fcf6a'), tree(90, 570, 80), tree(650, 575, 70)]
    cx, cy, r = 370, 330, 150
    items.append(rect(cx - 35, cy + r - 10, 70, 590 - cy - r, '#e9e3d3', INK, 9))
    items.append(rect(cx - 90, 560, 180, 34, '#e9e3d3', INK, 9))
    items.append(circle(cx, cy, r, GOLD, INK, 12))
    items.append(circle(cx, cy, r * 0.78, 'none', GOLD_DARK, 10))
    for k in range(8):
        a = k * math.pi / 4
        items.append(line([(cx + math.cos(a) * r * 0.2, cy + math.sin(a) * r * 0.2),
                           (cx + math.cos(a) * r * 0.78, cy + math.sin(a) * r * 0.78)], GOLD_DARK, 12))
    items.append(circle(cx, cy, r * 0.2, GOLD_LIGHT, INK, 8))
    return items


def scene_wat_suthat():  # the temple and the red giant swing before it
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(575, '#cfc6b2')]
    items.append(temple(250, 585, 260, WHITE, ROOF_ORANGE, GOLD, GOLD, 120, 210))
    items.append(rect(490, 570, 230, 20, '#d8d2c4', INK, 6))
    for x in (520, 690):
        items.append(poly([(x - 14, 575), (x - 6, 210), (x + 6, 210), (x + 14, 575)], '#c8231f', INK, 9))
    items.append(rect(495, 198, 220, 26, '#c8231f', INK, 9))
    items.append(rect(470, 185, 270, 16, '#c8231f', INK, 7))
    return items


def scene_khao_yai():  # green forested mountains
    items = [rect(0, 0, W, H, 'url(#sky)', None), cloud(600, 250, 0.7),
             mountains([(200, 260, 260), (520, 300, 240)], '#4f9a47'),
             mountains([(360, 380, 230)], '#6fb85a'), ground(600, '#8fcf6a')]
    for x in (70, 150, 610, 690):
        items.append(poly([(x - 40, 620), (x, 470), (x + 40, 620)], '#2f7a35', INK, 8))
    return items


def scene_beach(kind):
    """A beach: each resort has its own sign on the sand."""
    items = [rect(0, 0, W, H, 'url(#sky)', None), sun(600, 270, 40), water(430), rect(-10, 560, W + 20, 400, SAND, None),
             path('M-10,560 Q200,530 400,560 T820,555 L1110,560 L1110,580 L-10,580 Z', SAND, None)]
    if kind == 'pattaya':
        items.append(boat(470, 480, 0.6, '#ffffff', '#e04b3c'))
        items.append(palm(120, 600, 330, 1.0, 1.0))
        items.append(path('M260,250 q60,-80 120,0 Z', '#e8412f', INK, 7))
        items.append(line([(260, 250), (320, 330), (380, 250)], INK, 4))
        items.append(circle(320, 340, 12, INK, None))
    elif kind == 'huahin':
        items.append(palm(640, 600, 320, -1.0, 0.9))
        items.append(line([(320, 600), (330, 330)], INK, 10))
        items.append(path('M160,380 Q325,220 500,380 Q412,350 325,380 Q240,350 160,380 Z', '#e84545', INK, 9))
        items.append(path('M242,366 Q325,255 325,380 M408,366 Q325,255 325,380', 'none', WHITE, 8))
        items.append(rect(380, 540, 150, 24, '#3f7fd6', INK, 7))
    elif kind == 'chaam':
        items.append(palm(100, 600, 300, 0.8, 0.9))
        items.append(path('M310,560 L380,450 L480,450 L420,560 Z', '#f28c28', INK, 8))
        items.append(line([(330, 560), (360, 600)], INK, 8))
        items.append(line([(460, 480), (500, 600)], INK, 8))
        items.append(line([(470, 360), (480, 600)], INK, 9))
        items.append(path('M360,370 Q470,250 600,370 Z', '#2e9e4f', INK, 9))
        items.append(path('M400,370 Q470,300 470,370 M540,370 Q470,300 470,370', 'none', '#f3cf3a', 7))
    elif kind == 'phuket':
        items.append(path('M300,500 Q300,320 360,260 Q420,230 440,300 Q470,380 470,500 Z', '#6d8a5a', INK, 9))
        items.append(path('M330,300 Q370,240 430,290 Q400,270 360,290 Z', '#3f9e3c', INK, 6))
        items.append(path('M520,500 Q520,400 560,370 Q600,360 610,420 L620,500 Z', '#7f9a6a', INK, 8))
        items.append(palm(110, 610, 320, 1.0, 1.0))
        items.append(boat(620, 540, 0.55, '#8b4a24'))
        items.append(line([(560, 520), (580, 470)], '#3fa9e0', 10))
    return items


def scene_crocodile():  # a crocodile at the pond's edge, jaws open
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(480, '#8fcf6a'), water(560, colour='#4a9fc1'),
             tree(90, 500, 70)]
    body = ('M130,560 Q170,470 300,470 L520,470 Q560,470 600,452 L700,420 L712,440 L620,480 L712,505 '
            'L700,520 L600,505 Q560,540 520,548 L300,548 Q220,548 130,560 Z')
    items.append(path(body, '#4d8f3a', INK, 11))
    for x in range(250, 520, 45):
        items.append(poly([(x, 472), (x + 18, 440), (x + 36, 472)], '#3b7a2c', INK, 6))
    items.append(circle(560, 448, 22, '#ffffff', INK, 7))
    items.append(circle(566, 446, 9, INK, None))
    items.append(line([(612, 478), (700, 446)], '#ffffff', 6, 'stroke-dasharray="8,10"'))
    items.append(line([(612, 490), (700, 505)], '#ffffff', 6, 'stroke-dasharray="8,10"'))
    for x in (280, 460):
        items.append(path(f'M{x},546 l-20,40 l40,0 Z', '#4d8f3a', INK, 7))
    return items


def scene_doi_tung():  # misty mountains and the flower garden
    items = [rect(0, 0, W, H, 'url(#sky)', None),
             mountains([(160, 250, 240), (480, 230, 260)], '#7fa7c9'),
             mountains([(330, 360, 280)], '#5f9a5a')]
    for cx, cy, rx in ((140, 420, 170), (420, 400, 150), (640, 430, 140)):
        items.append(ellipse(cx, cy, rx, 34, '#ffffff', None, extra='fill-opacity="0.7"'))
    items.append(ground(560, '#8fcf6a'))
    for i, x in enumerate(range(60, 720, 62)):
        y = 580 - (i % 2) * 24
        c = ('#e8458a', '#f7c531', '#ffffff', '#b05ad8')[i % 4]
        items.append(line([(x, y + 40), (x, y)], '#2f7a35', 7))
        for k in range(5):
            a = k * 2 * math.pi / 5
            items.append(circle(x + math.cos(a) * 16, y + math.sin(a) * 16, 13, c, INK, 4))
        items.append(circle(x, y, 9, '#f7b500', None))
    return items


def scene_golden_triangle():  # the great river and its tributary meeting, and the golden marker
    items = [rect(0, 0, W, H, 'url(#sky)', None), hills(300, '#6fb35a', 80, humps=3, phase=0.4),
             water(420, colour='#4aa3d8'),
             path('M-10,540 Q180,520 300,560 L1110,560 L1110,900 L-10,900 Z', '#e9d8a6', INK, 8),
             path('M-10,470 Q120,500 150,560 L-10,600 Z', '#4aa3d8', None)]
    items.append(rect(250, 520, 240, 50, '#d8d2c4', INK, 8))
    items.append(poly([(370, 230), (500, 520), (240, 520)], GOLD, INK, 12))
    items.append(poly([(370, 310), (445, 480), (295, 480)], GOLD_LIGHT, GOLD_DARK, 8))
    items.append(tree(640, 560, 60))
    return items


def scene_wat_benchamabophit():  # the marble temple
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(580, '#cfc6b2')]
    items.append(temple(370, 590, 420, '#f4f1ea', ROOF_ORANGE, GOLD, GOLD, 150, 250))
    for x in (210, 530):
        items.append(rect(x - 26, 410, 52, 146, '#f4f1ea', INK, 8))
    items.append(poly([(150, 590), (150, 660), (590, 660), (590, 590)], '#e7e2d6', INK, 8))
    return items


def scene_parliament():  # the white domed hall under the flag
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(575, '#8fcf6a')]
    cx = 370
    items.append(rect(cx - 300, 420, 600, 160, '#f4f1ea', INK, 10))
    for x in range(cx - 260, cx + 261, 65):
        items.append(rect(x - 12, 445, 24, 135, '#ffffff', INK, 6))
    items.append(poly([(cx - 120, 420), (cx, 370), (cx + 120, 420)], '#f4f1ea', INK, 10))
    items.append(rect(cx - 80, 330, 160, 50, '#f4f1ea', INK, 9))
    items.append(path(f'M{cx - 90},335 C{cx - 90},235 {cx + 90},235 {cx + 90},335 Z', '#8fc7b6', INK, 10))
    # the flag on the dome: red, white, blue, white, red
    items.append(line([(cx, 262), (cx, 190)], INK, 8))
    for i, (c, h) in enumerate((('#d7322e', 10), ('#ffffff', 10), ('#2a4bb0', 20), ('#ffffff', 10), ('#d7322e', 10))):
        y = 192 + sum(hh for _, hh in (('', 10), ('', 10), ('', 20), ('', 10))[:i])
        items.append(rect(cx + 4, y, 90, h, c, None))
    items.append(rect(cx + 4, 192, 90, 60, 'none', INK, 5))
    items.append(rect(cx - 330, 575, 660, 26, '#d8d2c4', INK, 8))
    return items


def scene_sanam_chan():  # the palace with its steep roofs, and the faithful dog's statue
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(570, '#8fcf6a')]
    items.append(rect(110, 360, 420, 220, '#f2e3b8', INK, 10))
    items.append(poly([(90, 365), (180, 230), (460, 230), (550, 365)], '#b8412f', INK, 10))
    items.append(rect(410, 200, 120, 380, '#f2e3b8', INK, 10))
    items.append(poly([(395, 205), (470, 90), (545, 205)], '#b8412f', INK, 10))
    for x in (160, 240, 320):
        for y in (400, 480):
            items.append(rect(x, y, 44, 56, '#5b4636', INK, 6))
    items.append(rect(450, 260, 40, 60, '#5b4636', INK, 6))
    # the dog on its plinth
    items.append(rect(600, 520, 110, 60, '#d8d2c4', INK, 8))
    items.append(path('M612,520 L620,470 L690,470 L700,440 L715,445 L712,475 L700,520 Z', INK, INK, 6))
    return items


def scene_water_tower():  # the tank on its legs
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(580, '#a9d57e')]
    cx = 340
    for s in (-1, 1):
        items.append(line([(cx + s * 50, 400), (cx + s * 110, 600)], '#6d7580', 16))
    items.append(line([(cx - 70, 470), (cx + 70, 470)], '#6d7580', 10))
    items.append(line([(cx - 90, 540), (cx + 90, 540)], '#6d7580', 10))
    items.append(line([(cx - 70, 470), (cx + 90, 540)], '#6d7580', 7))
    items.append(line([(cx + 70, 470), (cx - 90, 540)], '#6d7580', 7))
    items.append(rect(cx - 150, 220, 300, 190, '#6fb7e6', INK, 12, rx=40))
    items.append(path(f'M{cx - 150},250 Q{cx},150 {cx + 150},250', '#4a98cf', INK, 10))
    items.append(line([(cx - 120, 300), (cx + 120, 300)], '#ffffff', 8, 'stroke-opacity="0.6"'))
    items.append(path('M560,260 C600,330 630,370 630,405 A70,70 0 0 1 490,405 C490,370 520,330 560,260 Z',
                      '#3b9fd9', INK, 10))
    items.append(path('M530,400 q0,30 25,40', 'none', '#ffffff', 9))
    return items


def scene_station():  # the great arched hall with its clock
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(575, '#cfc6b2')]
    cx = 370
    items.append(rect(cx - 320, 360, 640, 220, '#e9c994', INK, 10))
    items.append(path(f'M{cx - 230},580 L{cx - 230},390 A230,230 0 0 1 {cx + 230},390 L{cx + 230},580 Z',
                      '#f2dcae', INK, 10))
    items.append(path(f'M{cx - 180},580 L{cx - 180},400 A180,180 0 0 1 {cx + 180},400 L{cx + 180},580 Z',
                      '#a9c6d8', INK, 9))
    for k in range(1, 6):
        a = math.pi * k / 6
        items.append(line([(cx, 400), (cx - math.cos(a) * 180, 400 - math.sin(a) * 180)], '#5b6b78', 6))
    items.append(circle(cx, 200, 48, WHITE, INK, 10))
    items.append(line([(cx, 200), (cx, 168)], INK, 8))
    items.append(line([(cx, 200), (cx + 22, 210)], INK, 8))
    for x in range(cx - 300, cx + 301, 120):
        if abs(x - cx) > 200:
            items.append(rect(x - 20, 420, 40, 80, '#5b4636', INK, 6))
    # the engine waiting at the platform
    items.append(rect(cx - 120, 480, 240, 100, '#2a4bb0', INK, 9))
    items.append(rect(cx - 90, 500, 60, 40, '#ffe79a', INK, 6))
    items.append(rect(cx + 30, 500, 60, 40, '#ffe79a', INK, 6))
    return items


def scene_doi_suthep():  # the mountain with its golden stupa on top
    items = [rect(0, 0, W, H, 'url(#sky)', None),
             path('M-10,640 L-10,520 Q180,430 330,410 Q480,420 740,540 L740,640 Z', '#4f9a47', INK, 10),
             ground(600, '#8fcf6a')]
    items.append(chedi(340, 420, 170, 230, GOLD, GOLD_DARK))
    for x in (140, 250, 460, 560):
        items.append(poly([(x - 30, 520), (x, 420 + abs(x - 340) * 0.25), (x + 30, 520)], '#2f7a35', INK, 7))
    # the naga stair winding down
    items.append(path('M330,430 Q280,500 360,540 T330,620', 'none', GOLD, 14))
    return items


def scene_nakhon_nayok():  # a waterfall over green rocks
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(560, '#8fcf6a')]
    items.append(path('M-10,600 L-10,250 Q120,200 260,260 L300,600 Z', '#6c8a5c', INK, 10))
    items.append(path('M460,600 L500,240 Q640,200 760,260 L760,600 Z', '#6c8a5c', INK, 10))
    items.append(path('M280,262 Q380,230 490,250 L500,600 L300,600 Z', '#8fd4f4', INK, 10))
    for x in (320, 370, 420, 465):
        items.append(line([(x, 270), (x + 4, 580)], '#ffffff', 9))
    items.append(water(560, colour='#4aa3d8'))
    items.append(ellipse(390, 575, 180, 30, '#ffffff', None, extra='opacity="0.8"'))
    for x in (80, 660):
        items.append(tree(x, 260, 60))
    return items


def scene_wat_phra_kaew():  # the golden stupa beside the temple
    items = [rect(0, 0, W, H, 'url(#sky)', None), ground(580, '#cfc6b2')]
    items.append(chedi(560, 590, 220, 470, GOLD, GOLD_DARK))
    items.append(temple(270, 590, 300, WHITE, ROOF_ORANGE, GOLD, '#3f7fd6', 130, 220))
    return items


def scene_samui():  # the island with its palm in a turquoise sea
    items = [rect(0, 0, W, H, 'url(#sky)', None), sun(640, 260, 36), water(430, colour='#27b5c8', light='#9be3ec')]
    items.append(path('M110,560 Q200,440 380,440 Q560,440 650,560 Z', SAND, INK, 10))
    items.append(path('M200,500 Q300,430 420,450 Q340,470 300,500 Z', '#6fb35a', INK, 7))
    items.append(palm(330, 520, 310, 0.9, 1.0))
    items.append(palm(470, 540, 230, -0.7, 0.8))
    return items


LAND_SCENES = {
    1: scene_bangpain, 2: scene_ayutthaya, 3: scene_wat_arun, 4: scene_wat_pho, 5: scene_bangkok,
    6: scene_kanchanaburi, 7: scene_srinagarind, 8: scene_lopburi, 9: scene_power, 10: scene_nakhon_pathom,
    11: scene_phutthamonthon, 12: scene_wat_suthat, 13: scene_khao_yai, 14: lambda: scene_beach('pattaya'),
    15: scene_crocodile, 16: lambda: scene_beach('huahin'), 17: scene_doi_tung, 18: scene_golden_triangle,
    19: scene_wat_benchamabophit, 20: scene_parliament, 21: scene_sanam_chan, 22: scene_water_tower,
    23: scene_station, 24: scene_doi_suthep, 25: scene_nakhon_nayok, 26: lambda: scene_beach('chaam'),
    27: scene_wat_phra_kaew, 28: lambda: scene_beach('phuket'), 29: scene_samui,
}

LAND_NAMES = {
    1: 'บางปะอิน', 2: 'อยุธยา', 3: 'วัดอรุณฯ', 4: 'วัดโพธิ์', 5: 'กรุงเทพฯ', 6: 'กาญจนบุรี', 7: 'ข.ศรีนครินทร์',
    8: 'ลพบุรี', 9: 'การไฟฟ้า', 10: 'นครปฐม', 11: 'พุทธมณฑล', 12: 'วัดสุทัศน์', 13: 'เขาใหญ่', 14: 'พัทยา',
    15: 'ฟาร์มจระเข้', 16: 'หัวหิน', 17: 'ดอยตุง', 18: 'ส.ทองคำ', 19: 'วัดเบญจมบพิตร', 20: 'รัฐสภา',
    21: 'สนามจันทร์', 22: 'การประปา', 23: 'หัวลำโพง', 24: 'ดอยสุเทพ', 25: 'นครนายก', 26: 'ชะอำ',
    27: 'วัดพระแก้ว', 28: 'ภูเก็ต', 29: 'เกาะสมุย',
}

# Square of each deed, and the special squares.
DEED_SQUARE = {1: 1, 2: 3, 3: 4, 4: 5, 5: 6, 6: 8, 7: 9, 8: 11, 9: 12, 10: 13, 11: 14, 12: 15, 13: 16, 14: 18,
               15: 19, 16: 21, 17: 23, 18: 24, 19: 25, 20: 26, 21: 27, 22: 28, 23: 29, 24: 31, 25: 32, 26: 34,
               27: 35, 28: 37, 29: 39}
CORNERS = {0, 10, 20, 30}
BAND_H = 170
RADIUS = 48


def frame_pieces(w, h, band):
    """The colour band, the rounded frame and the board-coloured corners that round the scene off."""
    items = []
    if band:
        items.append(rect(-10, -10, w + 20, BAND_H + 10, band, None))
        items.append(rect(-10, -10, w + 20, 50, '#ffffff', None, extra='opacity="0.22"'))
        items.append(line([(0, BAND_H), (w, BAND_H)], INK, 10))
    r = RADIUS
    for cx, cy, sx, sy in ((0, 0, 1, 1), (w, 0, -1, 1), (0, h, 1, -1), (w, h, -1, -1)):
        sweep = 0 if sx * sy > 0 else 1
        items.append(path(f'M{cx},{cy} L{cx + sx * r},{cy} A{r},{r} 0 0 {sweep} {cx},{cy + sy * r} Z', BOARD, None))
    items.append(rect(6, 6, w - 12, h - 12, 'none', '#4a3b30', 12, rx=RADIUS - 6))
    return items


def land_square(deed):
    body = LAND_SCENES[deed]() + frame_pieces(W, H, band_of(deed))
    return svg(W, H, sky_defs(), body, LAND_NAMES[deed])


# ---------------------------------------------------------------------------------------------
# The special squares

def question_mark(cx, cy, s, colour, sw):
    return group([path(f'M{f(cx - 40 * s)},{f(cy - 50 * s)} C{f(cx - 40 * s)},{f(cy - 110 * s)} {f(cx + 50 * s)},{f(cy - 115 * s)} '
                       f'{f(cx + 48 * s)},{f(cy - 50 * s)} C{f(cx + 46 * s)},{f(cy - 10 * s)} {f(cx)},{f(cy - 5 * s)} '
                       f'{f(cx)},{f(cy + 30 * s)}', 'none', colour, sw),
                  circle(cx, cy + 72 * s, sw * 0.62, colour, None)])


def coin(cx, cy, r):
    return group([ellipse(cx, cy + r * 0.18, r, r * 0.45, GOLD_DARK, INK, 7),
                  ellipse(cx, cy, r, r * 0.45, GOLD, INK, 7),
                  ellipse(cx, cy, r * 0.6, r * 0.25, 'none', GOLD_DARK, 5)])


def special_square(n):
    w = 1575 if n in CORNERS else 1095
    defs, body = [], []
    if n == 0:  # the start: a chequered line and the way round, with money waiting
        defs.append(radial('glow', [(0, '#fff8c8'), (1, '#ffd966')], 0.5, 0.45, 0.7))
        body += [rect(0, 0, w, H, 'url(#glow)', None)]
        for i in range(6):
            for j in range(12):
                if (i + j) % 2 == 0:
                    body.append(rect(1260 + i * 40, 110 + j * 55, 40, 55, INK, None))
        body.append(rect(1260, 110, 240, 660, 'none', INK, 10))
        body.append(poly([(140, 430), (560, 120), (560, 300), (1160, 300), (1160, 560), (560, 560), (560, 740)],
                         '#2e9e4f', INK, 16))
        body.append(poly([(250, 430), (500, 250), (500, 360), (1100, 360), (1100, 390), (470, 390)],
                         '#ffffff', None, extra='opacity="0.35"'))
        for k, (x, y) in enumerate(((760, 700), (880, 700), (820, 650), (1000, 705))):
            body.append(coin(x, y, 60))
    elif n in (2, 17, 33):  # treasure: an open chest full of gold
        defs.append(radial('glow', [(0, '#fff1fb'), (1, '#f0b3e6')], 0.5, 0.5, 0.7))
        body += [rect(0, 0, w, H, 'url(#glow)', None)]
        for k in range(12):
            a = k * math.pi / 6
            body.append(line([(547 + math.cos(a) * 220, 430 + math.sin(a) * 220),
                              (547 + math.cos(a) * 380, 430 + math.sin(a) * 380)], '#ffffff', 26, 'stroke-opacity="0.6"'))
        body.append(path('M250,330 Q547,120 845,330 L845,370 L250,370 Z', '#8a4f22', INK, 12))
        body.append(rect(250, 420, 595, 300, '#a8622b', INK, 12, rx=20))
        body.append(path('M262,430 Q547,300 833,430 Z', GOLD, INK, 10))
        for x, y in ((400, 390), (520, 360), (640, 385), (460, 400), (700, 410)):
            body.append(circle(x, y, 34, GOLD_LIGHT, INK, 7))
        body.append(poly([(560, 330), (595, 300), (630, 330), (595, 380)], '#d7322e', INK, 7))
        body.append(rect(250, 480, 595, 44, GOLD, INK, 9))
        body.append(rect(505, 460, 84, 110, GOLD, INK, 9, rx=12))
        body.append(circle(547, 505, 16, INK, None))
    elif n in (7, 22, 36):  # fate: a door ajar with light and a question behind it
        defs.append(radial('glow', [(0, '#e6fbfb'), (1, '#9fd9d6')], 0.5, 0.5, 0.7))
        body += [rect(0, 0, w, H, 'url(#glow)', None)]
        body.append(path('M300,760 L300,300 A247,247 0 0 1 794,300 L794,760 Z', '#0b6f72', INK, 14))
        body.append(path('M330,760 L330,300 A217,217 0 0 1 764,300 L764,760 Z', '#fff3a6', INK, 8))
        body.append(question_mark(547, 430, 1.5, '#e0700f', 38))
        body.append(poly([(330, 140 + 160), (510, 210), (510, 800), (330, 760)], '#128c8f', INK, 12))
        body.append(circle(480, 520, 16, GOLD, INK, 6))
        for x, y, s in ((850, 230, 1.0), (230, 200, 0.7), (880, 560, 0.6)):
            body.append(poly([(x, y - 50 * s), (x + 14 * s, y - 14 * s), (x + 50 * s, y), (x + 14 * s, y + 14 * s),
                              (x, y + 50 * s), (x - 14 * s, y + 14 * s), (x - 50 * s, y), (x - 14 * s, y - 14 * s)],
                             GOLD_LIGHT, INK, 6))
    elif n == 10:  # the lock-up: a barred window in a stone wall
        body += [rect(0, 0, w, H, '#d9d6d0', None)]
        for row in range(0, 9):
            off = (row % 2) * 110
            for x in range(-110 + off, w, 220):
                body.append(rect(x, row * 100, 220, 100, '#cbc6bd', '#a8a296', 6))
        body.append(rect(430, 150, 715, 560, '#2c3038', INK, 14, rx=20))
        body.append(rect(470, 190, 635, 480, '#5d6f88', None))
        body.append(circle(790, 330, 70, '#f4f1ea', None, extra='opacity="0.2"'))
        for x in range(500, 1100, 85):
            body.append(rect(x, 170, 30, 520, '#8d939c', INK, 8))
        body.append(rect(450, 300, 675, 34, '#8d939c', INK, 8))
        body.append(rect(450, 560, 675, 34, '#8d939c', INK, 8))
    elif n == 20:  # rest: a hammock between two palms under the sun
        body += [rect(0, 0, w, H, 'url(#sky)', None), sun(1300, 230, 60), water(470, w),
                 rect(-10, 600, w + 20, 400, SAND, None)]
        defs += sky_defs()
        body.append(palm(260, 700, 480, 0.6, 1.2))
        body.append(palm(1200, 700, 460, -0.6, 1.2))
        body.append(path('M320,360 Q740,640 1150,360', 'none', INK, 8))
        body.append(path('M330,370 Q740,700 1140,370 Q740,560 330,370 Z', '#e8412f', INK, 9))
        body.append(circle(560, 470, 40, '#f2c9a0', INK, 7))
        body.append(path('M740,540 q40,-60 90,-20', 'none', '#2e9e4f', 12))
    elif n == 30:  # off to the lock-up: the policeman's cap and handcuffs
        body += [rect(0, 0, w, H, '#ffd9cf', None)]
        for k in range(9):
            body.append(rect(-200 + k * 240, -10, 110, H + 20, '#ffc7b9', None, extra='transform="skewX(-20)"'))
        body.append(path('M330,420 Q360,200 640,200 Q920,200 950,420 Z', '#26364f', INK, 12))
        body.append(rect(300, 400, 680, 110, '#26364f', INK, 12, rx=20))
        body.append(path('M310,500 Q640,600 970,500 L990,540 Q640,650 290,540 Z', INK, INK, 8))
        body.append(circle(640, 330, 60, GOLD, INK, 9))
        body.append(poly([(640, 290), (652, 320), (684, 322), (660, 342), (668, 374), (640, 356), (612, 374), (620, 342),
                          (596, 322), (628, 320)], GOLD_DARK, None))
        for cx in (1120, 1330):
            body.append(circle(cx, 560, 95, 'none', '#7d848e', 34))
            body.append(circle(cx, 560, 95, 'none', INK, 6))
        body.append(line([(1205, 545), (1245, 545)], '#7d848e', 22))
    elif n == 38:  # tax: the tax form with its seal, and the coins it takes
        defs.append(linear('paper', [(0, '#fff9e8'), (1, '#f1e5c2')]))
        body += [rect(0, 0, w, H, '#ffe3c2', None)]
        body.append(poly([(220, 90), (640, 90), (720, 170), (720, 560), (220, 560)], 'url(#paper)', INK, 12))
        body.append(poly([(640, 90), (640, 170), (720, 170)], '#e9d9ad', INK, 8))
        for y in (200, 260, 320, 380):
            body.append(line([(280, y), (600 if y != 200 else 520, y)], '#9c8f73', 14))
        body.append(circle(600, 470, 60, '#d7322e', INK, 8))
        body.append(circle(600, 470, 40, 'none', '#ffffff', 7))
        for x, y in ((820, 520), (880, 470), (940, 520), (880, 570)):
            body.append(coin(x, y, 60))
    body += frame_pieces(w, H, None)
    titles = {0: 'จุดเริ่มต้น', 2: 'หีบสมบัติ', 17: 'หีบสมบัติ', 33: 'หีบสมบัติ', 7: 'ประตูดวง', 22: 'ประตูดวง',
              36: 'ประตูดวง', 10: 'ติดคุก', 20: 'แวะพักผ่อน', 30: 'ไปติดคุก', 38: 'ภาษี'}
    return svg(w, H, defs, body, titles[n])


# ---------------------------------------------------------------------------------------------
# Development pictures: 375 x 375, a tile that stays readable over any square

def dev_tile(inner, colour='#ffffff'):
    return [rect(12, 12, 351, 351, colour, INK, 14, rx=50, extra='fill-opacity="0.93"')] + inner


def house(x, y, s, roof=ROOF_RED, wall='#fff4dc'):
    """A small house whose floor's middle is at (x, y)."""
    return group([rect(x - 55 * s, y - 70 * s, 110 * s, 70 * s, wall, INK, 8 * s),
                  poly([(x - 72 * s, y - 62 * s), (x, y - 130 * s), (x + 72 * s, y - 62 * s)], roof, INK, 8 * s),
                  rect(x - 15 * s, y - 42 * s, 30 * s, 42 * s, '#7a4a22', INK, 5 * s)])


def development(kind):
    lawn = [path('M40,300 Q187,250 335,300 L335,320 Q335,335 320,335 L55,335 Q40,335 40,320 Z', '#8fcf6a', INK, 8)]
    if kind == '0':
        body = dev_tile(lawn + [line([(150, 300), (150, 70)], '#6b4424', 18),
                                path('M160,78 L300,120 L160,170 Z', '#d7322e', INK, 10),
                                ellipse(150, 304, 40, 12, '#6b4424', None)])
        title = 'ที่ดินว่าง'
    elif kind in '1234':
        n = int(kind)
        spots = {1: [(187, 300, 1.55)], 2: [(110, 300, 1.1), (265, 300, 1.1)],
                 3: [(105, 310, 0.95), (270, 310, 0.95), (187, 215, 0.95)],
                 4: [(105, 200, 0.9), (270, 200, 0.9), (105, 320, 0.9), (270, 320, 0.9)]}[n]
        roofs = [ROOF_RED, '#2e7fd0', ROOF_GREEN, ROOF_ORANGE]
        body = dev_tile(lawn + [house(x, y, s, roofs[i]) for i, (x, y, s) in enumerate(spots)])
        title = f'บ้าน {n} หลัง'
    elif kind == '5':
        body = dev_tile(lawn + [rect(120, 60, 135, 265, '#3c66b8', INK, 12),
                                poly([(120, 62), (187, 22), (255, 62)], '#2a4bb0', INK, 10),
                                line([(187, 22), (187, -2)], INK, 8)]
                        + [rect(140 + c * 50, 90 + r * 46, 28, 28, '#ffe07a', None) for r in range(5) for c in range(2)]
                        + [rect(165, 285, 44, 40, '#5b4636', INK, 6)])
        title = 'ตึก'
    else:  # mortgaged: a padlock over the chained deed
        body = dev_tile([rect(70, 110, 235, 200, '#fff3d6', '#8f8263', 10, rx=14),
                         line([(110, 160), (265, 160)], '#b8ab8c', 12), line([(110, 205), (240, 205)], '#b8ab8c', 12),
                         line([(50, 120), (325, 320)], '#7d848e', 20, 'stroke-dasharray="30,14"'),
                         path('M130,190 L130,135 A57,57 0 0 1 244,135 L244,190', 'none', '#8d939c', 28),
                         path('M130,190 L130,135 A57,57 0 0 1 244,135 L244,190', 'none', INK, 6),
                         rect(100, 185, 175, 150, '#d7322e', INK, 12, rx=20),
                         circle(187, 245, 22, INK, None), rect(178, 250, 18, 48, INK, None)], '#f3f0ea')
        title = 'จำนอง'
    return svg(375, 375, [], body, title)


# ---------------------------------------------------------------------------------------------
# Tokens: a disc in the player's colour carrying a white sign of its own

def emblem(k):
    """The white sign on token k, drawn in a box from 0 to 100."""
    wht = '#ffffff'
    if k == 1:  # an elephant
        return [path('M18,70 L18,48 Q18,28 42,26 Q62,24 70,34 Q84,34 86,50 Q88,62 80,76 L74,74 Q80,60 76,52 '
                     'Q74,60 70,62 L70,76 L60,76 L60,64 L38,64 L38,76 L28,76 L28,64 Q22,62 18,70 Z', wht, None),
                circle(70, 42, 3.5, '#00000066', None)]
    if k == 2:  # a tuk-tuk
        return [path('M14,66 L14,40 Q14,26 30,24 L72,24 Q80,24 80,34 L80,46 L90,52 L90,66 Z', wht, None),
                rect(22, 32, 24, 16, '#00000055', None), rect(52, 32, 22, 16, '#00000055', None),
                circle(28, 70, 9, wht, '#00000066', 3), circle(78, 70, 9, wht, '#00000066', 3)]
    if k == 3:  # a long-tail boat
        return [path('M8,56 L92,50 Q86,72 60,74 L26,74 Q12,70 8,56 Z', wht, None),
                line([(80, 50), (94, 30)], wht, 5), rect(36, 38, 26, 14, wht, None),
                path('M8,56 Q4,44 12,38', 'none', wht, 5)]
    if k == 4:  # a star kite
        return [poly([(50, 8), (62, 38), (92, 42), (66, 58), (74, 90), (50, 70), (26, 90), (34, 58), (8, 42), (38, 38)],
                     wht, None),
                line([(50, 8), (50, 70)], '#00000044', 3), line([(8, 42), (92, 42)], '#00000044', 3)]
    if k == 5:  # a lotus
        return [path('M50,18 Q66,40 50,74 Q34,40 50,18 Z', wht, None),
                path('M50,74 Q26,66 20,36 Q42,44 50,74 Z', wht, None),
                path('M50,74 Q74,66 80,36 Q58,44 50,74 Z', wht, None),
                path('M50,78 Q24,80 10,60 Q34,58 50,78 Z', wht, None),
                path('M50,78 Q76,80 90,60 Q66,58 50,78 Z', wht, None)]
    # a fighting fish with its flowing fins
    return [path('M20,50 Q30,30 56,34 Q70,36 78,26 Q86,44 92,40 Q88,56 92,70 Q84,64 76,74 Q68,62 56,66 '
                 'Q30,70 20,50 Z', wht, None),
            path('M44,36 Q52,18 66,22 Q60,30 58,35 Z', wht, None),
            path('M44,64 Q50,84 66,82 Q58,72 58,66 Z', wht, None),
            circle(30, 47, 4, '#00000066', None)]


def token(k, drag=False):
    c = PLAYER[k]
    defs = [radial(f'shade{k}', [(0, '#ffffff'), (0.12, c), (1, c)], 0.35, 0.3, 0.8),
            radial('shadow', [(0, '#00000060'), (1, '#00000000')], 0.5, 0.5, 0.5)]
    body = []
    if not drag:
        body.append(ellipse(262, 275, 225, 225, 'url(#shadow)', None))
    ring = 30 if not drag else 40
    body.append(circle(240, 240, 205, f'url(#shade{k})', '#ffffff', ring))
    body.append(circle(240, 240, 205 + ring / 2, 'none', INK, 10))
    body.append(circle(240, 240, 165, 'none', '#ffffff', 6, 'stroke-opacity="0.45"'))
    body.append(group(emblem(k), 'translate(100,100) scale(2.8)'))
    title = f'หมากผู้เล่นที่ {k}'
    if drag:
        return svg(495, 495, defs, body, title).replace('width="495" height="495"', 'width="32" height="32"', 1)
    return svg(495, 495, defs, body, title)


# ---------------------------------------------------------------------------------------------
# Pointers: 600 x 600, aiming at what lies just beyond the lower right corner

def pointer(which):
    c1, c2 = ('#ff6a3d', '#d41f1f') if which == 1 else ('#55a8ff', '#1f4fd4')
    defs = [linear('fill', [(0, c1), (1, c2)], 1, 1)]
    # pointing right along x from the origin, turned 45 degrees about the top left
    arrow = 'M0,-52 L420,-52 L420,-140 L640,0 L420,140 L420,52 L0,52 Q-30,0 0,-52 Z'
    body = [path(arrow, '#00000040', None, extra='transform="translate(70,40) rotate(45)"'),
            path(arrow, 'url(#fill)', '#ffffff', 26, 'transform="translate(50,20) rotate(45)"'),
            path(arrow, 'none', INK, 8, 'transform="translate(50,20) rotate(45)"')]
    # the whole arrow is about 904 long, too long for the box: shrink to fit
    body = [group(body, 'scale(0.62)')]
    return svg(600, 600, defs, body, 'ลูกศรชี้หมาก' if which == 1 else 'ลูกศรชี้ช่อง')


# ---------------------------------------------------------------------------------------------
# Dice: two sets of six faces, the first die white and the second ivory

PIPS = {1: [4], 2: [0, 8], 3: [0, 4, 8], 4: [0, 2, 6, 8], 5: [0, 2, 4, 6, 8], 6: [0, 2, 3, 5, 6, 8]}


def die(d, face):
    body_top, body_low = ('#ffffff', '#e6e6e6') if d == 1 else ('#fff8dc', '#efe0b0')
    defs = [linear('body', [(0, body_top), (1, body_low)], 1, 1)]
    body = [rect(14, 18, 620, 620, '#00000030', None, rx=110),
            rect(8, 8, 620, 620, 'url(#body)', '#505050', 14, rx=110)]
    red = face in (1, 4)
    r = 82 if face == 1 else 58
    for at in PIPS[face]:
        x = 318 + (at % 3 - 1) * 190
        y = 318 + (at // 3 - 1) * 190
        body.append(circle(x, y, r, '#c81e1e' if red else '#1e1e1e', None))
        body.append(circle(x - r * 0.25, y - r * 0.3, r * 0.3, '#ffffff', None, extra='fill-opacity="0.25"'))
    return svg(640, 640, defs, body, f'ลูกเต๋า {face}')


# ---------------------------------------------------------------------------------------------
# The pictures of the windows

def start_background():
    w, h = 3855, 4575
    defs = [linear('sky', [(0, '#bfe7ff'), (0.55, '#eafaf0'), (1, '#eafaf0')]),
            linear('field', [(0, '#b8e6a4'), (1, '#7fc66a')])]
    body = [rect(0, 0, w, h, 'url(#sky)', None), sun(3300, 700, 220)]
    # a temple and palms on the skyline, pale so that the writing over them stays readable
    body.append(group([temple(1150, 3180, 1300, WHITE, ROOF_ORANGE, GOLD, GOLD, 520, 900),
                       chedi(2500, 3200, 600, 1500, GOLD, GOLD_DARK),
                       palm(300, 3300, 1200, 0.8, 3.0), palm(3550, 3300, 1100, -0.8, 2.8)],
                      ), )
    body.append(rect(0, 0, w, h, '#ffffff', None, extra='opacity="0.45"'))
    body.append(path(f'M0,3200 Q1000,3000 1900,3150 T{w},3100 L{w},{h} L0,{h} Z', 'url(#field)', None))
    # the board's track along the foot of the window, below the version line and clear of the
    # buttons; two tokens on their way round
    colours = list(BANDS.values())
    for i in range(14):
        x = 120 + i * 270
        y = 4200 + 90 * math.sin(i * 0.9)
        body.append(rect(x, y, 240, 180, '#fffdf4', INK, 14, rx=26))
        body.append(rect(x, y, 240, 50, colours[i % len(colours)], INK, 14))
    for k, i in ((1, 3), (4, 10)):
        x, y = 120 + i * 270 + 120, 4200 + 90 * math.sin(i * 0.9) + 40
        body.append(circle(x, y, 130, PLAYER[k], '#ffffff', 30))
        body.append(group(emblem(k), f'translate({x - 90},{y - 90}) scale(1.8)'))
    return svg(w, h, defs, body, 'เกมทาวอริน')


def trophy_picture():
    s = 1980
    defs = [linear('cup', [(0, GOLD_LIGHT), (0.5, GOLD), (1, GOLD_DARK)], 1, 0),
            radial('halo', [(0, '#fff6cc'), (1, '#fff6cc00')], 0.5, 0.42, 0.55)]
    body = [circle(990, 820, 900, 'url(#halo)', None)]
    for x, y, r in ((300, 320, 90), (1700, 260, 110), (1560, 760, 70), (420, 880, 60), (990, 150, 80)):
        body.append(poly([(x, y - r), (x + r * 0.28, y - r * 0.28), (x + r, y), (x + r * 0.28, y + r * 0.28), (x, y + r),
                          (x - r * 0.28, y + r * 0.28), (x - r, y), (x - r * 0.28, y - r * 0.28)], GOLD_LIGHT, INK, 16))
    body.append(path('M560,520 Q300,520 320,760 Q340,960 640,1040', 'none', GOLD_DARK, 70))
    body.append(path('M1420,520 Q1680,520 1660,760 Q1640,960 1340,1040', 'none', GOLD_DARK, 70))
    body.append(path('M520,420 L1460,420 Q1460,1080 990,1180 Q520,1080 520,420 Z', 'url(#cup)', INK, 30))
    body.append(rect(920, 1170, 140, 260, GOLD_DARK, INK, 26))
    body.append(path('M700,1560 Q700,1420 990,1420 Q1280,1420 1280,1560 Z', GOLD, INK, 26))
    body.append(rect(560, 1560, 860, 260, '#7a4a22', INK, 30, rx=30))
    body.append(rect(700, 1620, 580, 140, GOLD_LIGHT, INK, 16, rx=14))
    body.append(poly([(990, 560), (1045, 700), (1190, 705), (1075, 795), (1115, 935), (990, 855), (865, 935),
                      (905, 795), (790, 705), (935, 700)], '#ffffff', INK, 16))
    return svg(s, s, defs, body, 'ถ้วยรางวัล')


def podium_picture():
    s = 1980
    defs = [linear('cup', [(0, GOLD_LIGHT), (0.5, GOLD), (1, GOLD_DARK)], 1, 0)]
    body = [circle(990, 900, 880, '#fff3c4', None, extra='fill-opacity="0.8"')]
    steps = [(700, 980, 580, 840, '#f0b92a', '1'), (120, 1220, 580, 600, '#c9ced6', '2'),
             (1280, 1360, 580, 460, '#d08a4a', '3')]
    for x, y, w, h, c, _ in steps:
        body.append(rect(x, y, w, h, c, INK, 30, rx=20))
    for (x, y, w, h, c, label) in steps:
        n = int(label)
        cx, cy = x + w / 2, y + 200
        body.append(circle(cx, cy, 120, '#ffffff', INK, 18))
        if n == 1:
            body.append(line([(cx - 30, cy - 50), (cx + 10, cy - 80), (cx + 10, cy + 80)], INK, 34))
        elif n == 2:
            body.append(path(f'M{cx - 50},{cy - 40} Q{cx - 40},{cy - 90} {cx},{cy - 90} Q{cx + 55},{cy - 90} {cx + 50},{cy - 35} '
                             f'Q{cx + 40},{cy} {cx - 55},{cy + 80} L{cx + 60},{cy + 80}', 'none', INK, 34))
        else:
            body.append(path(f'M{cx - 50},{cy - 70} Q{cx},{cy - 110} {cx + 45},{cy - 60} Q{cx + 60},{cy - 10} {cx - 5},{cy} '
                             f'Q{cx + 70},{cy + 10} {cx + 45},{cy + 65} Q{cx},{cy + 110} {cx - 55},{cy + 65}', 'none', INK, 34))
    body.append(group([path('M-170,-420 L170,-420 Q170,-60 0,0 Q-170,-60 -170,-420 Z', 'url(#cup)', INK, 24),
                       path('M-170,-360 Q-300,-360 -280,-230 Q-260,-130 -130,-110', 'none', GOLD_DARK, 40),
                       path('M170,-360 Q300,-360 280,-230 Q260,-130 130,-110', 'none', GOLD_DARK, 40),
                       rect(-40, -10, 80, 110, GOLD_DARK, INK, 20),
                       rect(-150, 100, 300, 90, GOLD, INK, 20, rx=16)], 'translate(990,780)'))
    return svg(s, s, defs, body, 'บันทึกสุดยอดทาวอริน')


def medal_picture():
    s = 1980
    defs = [radial('gold', [(0, GOLD_LIGHT), (0.7, GOLD), (1, GOLD_DARK)], 0.4, 0.35, 0.7)]
    body = [poly([(600, 80), (860, 80), (1100, 900), (840, 900)], '#d7322e', INK, 26),
            poly([(1380, 80), (1120, 80), (880, 900), (1140, 900)], '#2a4bb0', INK, 26),
            rect(740, 120, 500, 70, '#ffffff', None, extra='opacity="0.25"'),
            circle(990, 1260, 560, 'url(#gold)', INK, 34),
            circle(990, 1260, 430, 'none', GOLD_DARK, 26)]
    body.append(poly([(990, 960), (1080, 1160), (1300, 1175), (1130, 1315), (1185, 1530), (990, 1410), (795, 1530),
                      (850, 1315), (680, 1175), (900, 1160)], '#ffffff', INK, 20))
    return svg(s, s, defs, body, 'รายละเอียดทรัพย์สิน')


def app_icon():
    """A temple roof over a strip of the board's squares, and a die: bold enough for 16 pixels."""
    s = 256
    defs = [linear('bg', [(0, '#3dbb70'), (1, '#16683a')], 0, 1)]
    body = [rect(6, 6, 244, 244, 'url(#bg)', '#0f4a29', 8, rx=54)]
    # the temple: walls, a two-tier red roof edged in gold, the finial
    body += [rect(74, 132, 108, 56, WHITE, INK, 7),
             rect(116, 148, 24, 40, '#6b3b1e', INK, 5),
             poly([(34, 136), (92, 84), (164, 84), (222, 136)], ROOF_RED, INK, 7),
             poly([(60, 100), (128, 30), (196, 100)], ROOF_RED, INK, 7),
             poly([(92, 98), (128, 60), (164, 98)], GOLD, INK, 5),
             line([(30, 138), (92, 84)], GOLD, 9), line([(226, 138), (164, 84)], GOLD, 9),
             line([(56, 102), (128, 30), (200, 102)], GOLD, 9),
             path('M128,30 c2,-16 18,-22 17,-6', 'none', GOLD, 8)]
    # the board's squares along the foot
    for i, c in enumerate((BANDS[1], BANDS[3], BANDS[5], BANDS[7])):
        x = 28 + i * 40
        body.append(rect(x, 198, 34, 34, WHITE, INK, 5, rx=5))
        body.append(rect(x, 198, 34, 11, c, INK, 5))
    body.append(group([rect(0, 0, 64, 64, '#ffffff', INK, 6, rx=12), circle(18, 18, 7, '#c81e1e', None),
                       circle(46, 46, 7, '#c81e1e', None), circle(46, 18, 7, '#c81e1e', None),
                       circle(18, 46, 7, '#c81e1e', None)], 'translate(180,168) rotate(14)'))
    return svg(s, s, defs, body, 'เกมทาวอริน')


# ---------------------------------------------------------------------------------------------

def write(rel, text):
    full = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, 'w', encoding='utf-8') as out:
        out.write(text)
    return rel


def main():
    files = []
    for n in range(40):
        deed = next((d for d, sq in DEED_SQUARE.items() if sq == n), None)
        files.append(write(f'squares/square-{n:02d}.svg', land_square(deed) if deed else special_square(n)))
    for kind, name in (('0', 'land-0'), ('1', 'land-1'), ('2', 'land-2'), ('3', 'land-3'), ('4', 'land-4'),
                       ('5', 'land-tower'), ('M', 'land-mortgaged')):
        files.append(write(f'development/{name}.svg', development(kind)))
    for k in range(1, 7):
        files.append(write(f'tokens/token-{k}.svg', token(k)))
        files.append(write(f'tokens/drag-{k}.svg', token(k, drag=True)))
    for which in (1, 2):
        files.append(write(f'pointers/pointer-{which}.svg', pointer(which)))
    for d in (1, 2):
        for face in range(1, 7):
            files.append(write(f'dice/die-{d}-{face}.svg', die(d, face)))
    files.append(write('windows/start-background.svg', start_background()))
    files.append(write('windows/winner.svg', trophy_picture()))
    files.append(write('windows/hall-of-fame.svg', podium_picture()))
    files.append(write('windows/hall-of-fame-detail.svg', medal_picture()))
    files.append(write('icon/tavorin.svg', app_icon()))
    qrc = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/art">']
    qrc += [f'  <file>{rel}</file>' for rel in files]
    qrc += ['</qresource>', '</RCC>', '']
    write('tavorin.qrc', '\n'.join(qrc))


if __name__ == '__main__':
    main()
