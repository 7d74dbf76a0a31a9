"""The frame shared by the 22 faces and the Roman numerals of their top strip.

The numerals are drawn as outlines, not text, so they never depend on an installed font. The
frame is laid over the scene, so a scene may spill past its window without clipping.
"""
from base import *
GLYPHES = {
 'I': (3.0, [[(0,0),(3,0),(3,0.8),(2.1,0.8),(2.1,9.2),(3,9.2),(3,10),(0,10),(0,9.2),(0.9,9.2),(0.9,0.8),(0,0.8)]]),
 'V': (7.8, [[(0,0),(3.3,0),(3.3,0.8),(2.5,0.8),(4.45,7.6),(6.3,0.8),(5.5,0.8),(5.5,0),(7.8,0),(7.8,0.8),(7.0,0.8),(4.2,10),(3.6,10),(0.8,0.8),(0,0.8)]]),
 'X': (7.8, [[(0.7,0.8),(2.5,0.8),(7.1,9.2),(5.3,9.2)], [(5.7,0.8),(6.5,0.8),(2.0,9.2),(1.2,9.2)],
             [(0,0),(3.2,0),(3.2,0.8),(0,0.8)], [(4.9,0),(7.5,0),(7.5,0.8),(4.9,0.8)],
             [(0.3,9.2),(2.9,9.2),(2.9,10),(0.3,10)], [(4.6,9.2),(7.8,9.2),(7.8,10),(4.6,10)]]),
}
ROMAINS = ['','I','II','III','IV','V','VI','VII','VIII','IX','X','XI','XII','XIII','XIV','XV','XVI','XVII','XVIII','XIX','XX','XXI']
def chiffre(n):
    txt = ROMAINS[n]; gap = 1.0
    w = sum(GLYPHES[c][0] for c in txt) + gap*(len(txt)-1)
    x = 45 - w/2; y0 = 6.0
    paths = []
    for c in txt:
        gw, polys = GLYPHES[c]
        for p in polys:
            paths.append(F(poly([(x+a, y0+b) for a,b in p]), K))
        x += gw + gap
    return '<g id="chiffre">' + ''.join(paths) + '</g>'
CARD = 'M4,0 H86 A4,4 0 0 1 90,4 V161 A4,4 0 0 1 86,165 H4 A4,4 0 0 1 0,161 V4 A4,4 0 0 1 4,0 Z'
def carte(n, scene, fond=SKY):
    s = [f'<rect x="0" y="0" width="90" height="165" rx="4" fill="{fond}"/>']
    s.append(scene)
    # frame laid over the scene so nothing spills past the window
    s.append(f'<path d="{CARD} M4.5,21.5 V160.5 H85.5 V21.5 Z" fill="{CR}" fill-rule="evenodd"/>')
    s.append(f'<rect x="4.5" y="21.5" width="81" height="139" fill="none" stroke="{K}" stroke-width="1"/>')
    s.append(f'<path d="{CARD}" fill="none" stroke="{K}" stroke-width="1.2" transform="translate(0.6,0.6) scale(0.9867,0.9927)"/>')
    s.append(f'<rect x="4.5" y="3.5" width="81" height="15" fill="#F3DC8E" stroke="{K}" stroke-width="0.9"/>')
    s.append(S('M7,11 H13 M77,11 H83', YD, 0.8))
    if n <= 21: s.append(chiffre(n))
    return wrap(90,165,'\n'.join(x for x in s if x))
