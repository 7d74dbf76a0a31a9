"""Scenes of the arcana XV to XXI and of the unnumbered Fool."""
from base import *

def diable():
    s = ground(146, '#D9B98A')
    # bat wings
    s += P('M40,64 Q26,50 12,56 Q16,62 14,70 Q20,68 22,74 Q28,70 34,76 Z', B)
    s += P('M50,64 Q64,50 78,56 Q74,62 76,70 Q70,68 68,74 Q62,70 56,76 Z', B)
    # pedestal with its ring
    s += P('M30,112 H60 V124 H30 Z', R) + P('M34,124 H56 V146 H34 Z', R) + P('M28,108 H62 V113 H28 Z', Y, 0.8)
    s += f'<circle cx="45" cy="131" r="3" fill="none" stroke="{K}" stroke-width="1.4"/>'
    # the devil
    s += L('M41,92 L39,108 M49,92 L51,108', FL, 3.4) + E(38,109,3.2,1.6,K,0.5) + E(52,109,3.2,1.6,K,0.5)
    s += P('M37,60 Q45,56 53,60 L54,94 L36,94 Z', FL)
    s += P('M36,84 H54 L53,94 H37 Z', B, 0.8)
    s += S('M40,68 Q42,71 44,68 M46,68 Q48,71 50,68', K, 0.6) + C(45,80,1.5,R,0.5)
    s += L('M38,62 L30,70 L30,58', FL, 3) + hand(30,56)
    s += L('M52,62 L60,76 L62,88', FL, 3) + hand(62,88) + L('M60,90 L66,72', BR, 1.5) + P('M66,72 Q62,66 67,60 Q71,66 68,72 Z', R, 0.7)
    s += P('M40,44 Q36,36 33,34 Q36,40 38,46 Z', Y, 0.6) + P('M50,44 Q54,36 57,34 Q54,40 52,46 Z', Y, 0.6)
    s += face(45,50,5.8, mouth=False) + P('M42,53 Q45,56 48,53 Z', R, 0.5) + S('M41.3,49 L43.5,49.6 M48.7,49 L46.5,49.6', K, 0.7)
    # two bound imps
    for cx,col in ((22,R),(68,B)):
        s += S(f'M45,131 Q{(45+cx)/2},136 {cx},126', BR, 0.9)
        s += L(f'M{cx-3},138 L{cx-4},150 M{cx+3},138 L{cx+4},150', FL, 2.6)
        s += P(f'M{cx-6},124 Q{cx},121 {cx+6},124 L{cx+7},140 L{cx-7},140 Z', FL)
        s += S(f'M{cx+6},138 q6,2 5,-8', K, 0.8)
        s += P(f'M{cx-3},114 L{cx-5},107 L{cx-1},113 Z M{cx+3},114 L{cx+5},107 L{cx+1},113 Z', col, 0.5)
        s += face(cx,118,4.3, mouth=False) + S(f'M{cx-4.5},125.5 H{cx+4.5}', BR, 1.2)
    return s

def maisondieu():
    s = ground(146, GL, [(80,156)])
    # falling balls of colour
    for x,y,c in ((14,40,R),(22,58,B),(70,70,Y),(78,92,R),(12,84,Y),(28,32,B),(66,120,B),(20,130,R),(76,136,Y)):
        s += C(x,y,1.6,c,0.5)
    # the tower
    s += P('M30,146 V64 H62 V146 Z', '#EDB98A')
    for y in range(70,146,8):
        s += S(f'M30,{y} H62', BR, 0.5)
        o = 0 if (y//8)%2 else 4
        for x in range(34+o,62,8): s += S(f'M{x},{y} V{y+8}', BR, 0.5)
    s += P('M30,146 V64 H62 V146 Z', 'none')
    s += P('M41,146 V130 Q46,124 51,130 V146 Z', B) + P('M36,84 h7 v10 h-7 Z', B, 0.7) + P('M50,98 h7 v10 h-7 Z', B, 0.7)
    # its crown knocked off by the flame
    s += P('M50,58 L74,46 L76,54 L52,66 Z', Y) + P('M52,48 l3,-5 l2,4 l4,-3 l1,5 l4,-3 l2,6 L52,58 Z', Y, 0.7)
    s += P('M30,64 L34,58 L38,64 L42,58 L46,64 Z', Y, 0.7)
    s += P('M86,22 Q74,28 66,46 Q60,54 52,62 Q64,58 68,52 Q74,46 80,44 Q74,40 86,34 Z', R)
    s += P('M86,26 Q78,32 72,44 Q67,50 62,54 Q70,52 74,46 Q78,42 86,40 Z', Y, 0.6)
    # two men thrown down
    s += L('M20,96 L16,84 M20,96 L25,86', B, 2.6) + P('M15,96 H26 L25,110 H16 Z', R) + L('M16,108 L10,114 M25,108 L30,116', R, 2.4)
    s += face(20,117,4.5, mouth=False) + hand(10,115,1.6) + hand(30.5,117,1.6)
    s += L('M72,128 L66,120 M72,128 L78,122', R, 2.6) + P('M67,127 H78 L77,140 H68 Z', B) + L('M68,138 L62,142 M77,138 L82,144', B, 2.4)
    s += face(72.5,144.5,4.5, mouth=False)
    return s

def etoile():
    s = ground(128, GL, [(70,132)])
    s += P('M4,140 Q30,134 60,142 T86,140 V161 H4 Z', '#7CB8E3')
    s += S('M10,150 q4,-2 8,0 M40,154 q4,-2 8,0 M64,148 q4,-2 8,0', W, 0.7)
    # the great star and seven small ones
    s += star(45,40,15,7.5,8,R) + star(45,40,9,4.5,8,Y,sw=0.6)
    for x,y,c in ((14,30,Y),(76,30,B),(12,52,B),(78,52,Y),(20,70,Y),(70,70,B),(45,62,Y)):
        s += star(x,y,4.2,1.8,8,c,sw=0.6)
    # little tree with its bird
    s += L('M76,128 L75,98', BR, 1.6) + E(75,94,7,6,G) + P('M73,89 Q75,86 78,88 L80,87 L78,90 Q76,92 73,89 Z', K, 0)
    # the woman kneeling at the water's edge, pouring both jugs
    s += L('M42,116 L34,130 L47,133', FL, 4.2) + L('M48,115 L59,110 L61,131', FL, 4.2)
    s += P('M38,90 Q45,86 52,90 L51,117 Q45,121 39,117 Z', FL)
    s += P('M38,84 Q36,98 36,104 L40,104 L41,90 Z M52,84 Q54,98 54,104 L50,104 L49,90 Z', B, 0.7)
    s += hair(45,80,5.3,B,6) + face(45,80,5.3)
    s += S('M15.5,111 Q11,122 12,142', '#5AA7DE', 1.6) + S('M74.5,111 Q79,122 78,142', '#5AA7DE', 1.6)
    s += L('M40,93 L31,102 L25,106', FL, 2.8) + jarre(21,108,-120,R) + hand(25,106)
    s += L('M50,93 L59,102 L65,106', FL, 2.8) + jarre(69,108,120,Y) + hand(65,106)
    return s

def lune():
    s = ground(120, GL)
    s += P('M4,128 Q30,124 60,130 T86,128 V161 H4 Z', '#5AA7DE')
    s += S('M8,140 q4,-2 8,0 M62,150 q4,-2 8,0 M14,156 q4,-2 8,0', W, 0.7)
    # the moon
    for i in range(16):
        a = math.radians(i*22.5)
        s += S(f'M{f(45+15*math.cos(a))},{f(40+15*math.sin(a))} L{f(45+19*math.cos(a))},{f(40+19*math.sin(a))}', YD, 1)
    s += C(45,40,13.5,Y)
    s += P('M47,27 Q36,30 36,40 Q36,50 47,53 Q33,54 32,40 Q33,26 47,27 Z', B, 0.6)
    s += P('M44,32 Q47,37 43,40 L46,41 Q44,44 41,45 Q44,48 43,50', 'none', 0.8)
    s += C(40.5,36,0.8,K,0)
    for x,y,c in ((22,62,R),(32,70,B),(58,70,Y),(68,62,R),(45,64,B)):
        s += P(f'M{x},{y} q-2,-3 0,-5 q2,2 0,5 Z', c, 0.5)
    # two towers
    for x in (7,67):
        s += P(f'M{x},120 V72 h16 V120 Z', '#EDB98A')
        s += P(f'M{x-1},72 v-6 h3 v3 h3 v-3 h4 v3 h3 v-3 h5 v6 Z', '#EDB98A', 0.8)
        s += P(f'M{x+5},86 h6 v9 h-6 Z', B, 0.6)
    # two dogs baying at the moon
    def chien(x, k, col):
        # a dog sitting, snout raised to bay at the moon
        X = lambda v: f(x + k*v)
        yb = 122
        d = (f'M{X(0)},{yb} Q{X(-1)},{yb-10} {X(4)},{yb-14} L{X(8)},{yb-20} L{X(9)},{yb-26} Q{X(11)},{yb-29} {X(14)},{yb-28} '
             f'L{X(19)},{yb-31} L{X(19.5)},{yb-28.5} L{X(14.5)},{yb-24} L{X(13)},{yb-18} Q{X(14)},{yb-10} {X(13)},{yb-1.5} L{X(15.5)},{yb} Z')
        return (P(d, col) + P(f'M{X(10)},{yb-26} L{X(7.5)},{yb-31.5} L{X(12)},{yb-28} Z', col, 0.6) +
                C(x+k*13.6, yb-27.2, 0.6, K, 0) + S(f'M{X(3)},{yb-6} Q{X(7)},{yb-9} {X(8.5)},{yb-1.5}', K, 0.7) +
                S(f'M{X(0.5)},{yb-4} q{f(-k*5)},0 {f(-k*6)},-6', K, 0.9))
    s += chien(22, 1, W) + chien(68, -1, Y)
    # the crayfish rising from the pool
    s += P('M41,160 Q39,150 41,142 Q45,138 49,142 Q51,150 49,160 Z', R)
    s += S('M41,146 H49 M40.5,150 H49.5 M40.5,154 H49.5', RD, 0.6)
    s += P('M41,142 Q34,138 34,130 Q37,134 40,134 Q36,130 38,126 Q42,132 43,140 Z', R, 0.7)
    s += P('M49,142 Q56,138 56,130 Q53,134 50,134 Q54,130 52,126 Q48,132 47,140 Z', R, 0.7)
    s += S('M43,140 L38,124 M47,140 L52,124', K, 0.5)
    return s

def soleil():
    s = ground(136, GL, [(12,150),(76,152)])
    # the sun with its face and rays
    for i in range(16):
        a = math.radians(i*22.5)
        r2 = 26 if i%2==0 else 21
        c = Y if i%2==0 else R
        p1 = (45+13*math.cos(a-0.12), 46+13*math.sin(a-0.12)); p2 = (45+13*math.cos(a+0.12), 46+13*math.sin(a+0.12))
        tip = (45+r2*math.cos(a), 46+r2*math.sin(a))
        s += P(poly([p1,tip,p2]), c, 0.6)
    s += C(45,46,14,Y)
    s += C(40.5,44,0.9,K,0) + C(49.5,44,0.9,K,0) + S('M45,45 V49 H43.5', K, 0.6) + S('M41,52 Q45,55 49,52', K, 0.7)
    s += C(38.5,49,1.6,'#F5A58E',0) + C(51.5,49,1.6,'#F5A58E',0)
    for x,y,c in ((14,80,R),(24,74,B),(66,74,Y),(76,80,R),(10,62,Y),(80,62,B)):
        s += P(f'M{x},{y} q-2,-3 0,-5 q2,2 0,5 Z', c, 0.5)
    # low wall behind the children
    s += P('M4,110 H86 V136 H4 Z', Y)
    s += P('M4,104 H86 V110 H4 Z', '#EDB98A', 0.8)
    for y in (118,126):
        s += S(f'M4,{y} H86', YD, 0.6)
    for x in range(10,86,10): s += S(f'M{x},110 V118 M{x+5},118 V126 M{x},126 V136', YD, 0.6)
    # two children
    for cx,col in ((35,B),(55,B)):
        s += L(f'M{cx-3},118 L{cx-4},140 M{cx+3},118 L{cx+4},140', FL, 3)
        s += P(f'M{cx-7},92 Q{cx},88 {cx+7},92 L{cx+7},116 L{cx-7},116 Z', FL)
        s += P(f'M{cx-7},112 H{cx+7} L{cx+6},121 H{cx-6} Z', col, 0.7)
        s += hair(cx,82,5,Y,3) + face(cx,82,5)
    s += L('M39,95 L49,98', FL, 2.6) + L('M28,95 L26,110', FL, 2.6) + L('M62,95 L64,110', FL, 2.6)
    return s

def jugement():
    s = ''
    # the angel in the clouds, trumpet and flag
    s += P('M4,52 Q10,44 18,48 Q22,38 32,42 Q40,34 50,40 Q60,34 66,42 Q76,38 78,48 Q86,46 86,54 V58 H4 Z', BL)
    s += P('M36,46 Q20,30 10,34 Q18,40 22,48 Z', R) + P('M54,46 Q70,30 80,34 Q72,40 68,48 Z', R)
    s += hair(45,34,5,Y,5) + face(45,34,5, mouth=False)
    s += P('M39,42 Q45,40 51,42 L50,50 H40 Z', B, 0.7)
    s += L('M44,38 L22,66', Y, 1.6) + P('M19,70 L24,64 L26,70 Z', Y, 0.7)
    s += P('M30,54 L40,60 L36,68 L26,62 Z', W, 0.7) + S('M33,57 L33,65 M29,60 L37,62', Y, 1)
    s += hand(43,42) + hand(36,48)
    s += S('M4,58 H86', K, 0.8)
    # the open tomb with one rising, seen from behind, and two rising from the earth, praying
    for cx,cheveux in ((15,Y),(75,'#6E4A2E')):
        s += P(f'M{cx-8},136 L{cx-7},106 Q{cx},101 {cx+7},106 L{cx+8},136 Z', FL)
        s += hair(cx,94,5,cheveux,8 if cx<40 else 1) + face(cx,94,5, mouth=False)
        s += L(f'M{cx-6},108 L{cx-5},118 L{cx},111', FL, 2.4) + L(f'M{cx+6},108 L{cx+5},118 L{cx},111', FL, 2.4)
        s += P(f'M{cx-1.6},113 L{cx},106 L{cx+1.6},113 Z', FL, 0.6)
    s += ground(136, GL, [(10,150),(80,154)])
    s += P('M30,118 H60 V150 H30 Z', G) + P('M28,114 H62 V120 H28 Z', GD)
    s += P('M36,116 Q45,100 54,116 Z', FL) + C(45,98,5.4,'#6E4A2E')
    s += L('M38,112 L33,102 L36,96', FL, 2.6) + L('M52,112 L57,102 L54,96', FL, 2.6)
    return s

def monde():
    s = ''
    # the wreath
    s += f'<ellipse cx="45" cy="92" rx="19" ry="36" fill="none" stroke="{K}" stroke-width="7.4"/>'
    s += f'<ellipse cx="45" cy="92" rx="19" ry="36" fill="none" stroke="{G}" stroke-width="5.6"/>'
    for i in range(24):
        a = math.radians(i*15)
        x, y = 45+19*math.cos(a), 92+36*math.sin(a)
        s += S(f'M{f(x-1.2)},{f(y-1)} L{f(x+1.2)},{f(y+1)}', GL, 1)
    s += P('M42,53 H48 V59 H42 Z', R, 0.7) + P('M42,125 H48 V131 H42 Z', R, 0.7)
    # the dancer with her scarf and wand
    s += L('M45,108 L41,122 M45,108 L52,116 L46,120', FL, 2.6)
    s += P('M40,78 Q45,75 50,78 L51,106 Q45,110 39,106 Z', FL)
    s += P('M36,76 Q44,80 42,94 Q40,104 52,110 L48,112 Q36,104 38,94 Q40,84 34,78 Z', R, 0.7)
    s += hair(45,70,4.6,Y,6) + face(45,70,4.6, mouth=False)
    s += L('M41,80 L35,90', FL, 2.2) + L('M34,93 L36,86', Y, 1) + L('M49,80 L55,88', FL, 2.2) + C(56,89,1.6,B,0.6)
    # the four living creatures in the corners
    s += P('M8,36 Q14,28 22,32 Q24,40 16,42 Z', BL, 0.7) + hair(16,35,4.5,Y,3) + face(16,35,4.5, mouth=False)
    s += P('M10,44 Q16,40 22,44 L22,52 H10 Z', R, 0.7)
    # the eagle, wings spread, head turned
    ex, ey, k = 74, 37, 1.7
    pts = [(-6,-2),(-3,-5),(-0.8,-1.5),(-1,-3.5),(1,-3.5),(0.8,-1.5),(3,-5),(6,-2),(4,0.5),(1.2,0.5),(2.2,4.5),(-2.2,4.5),(-1.2,0.5),(-4,0.5)]
    s += P(poly([(ex+k*a, ey+k*b) for a,b in pts]), Y, 0.8)
    s += S(f'M{ex-7},{ey-3.5} L{ex-3},{ey-1} M{ex+7},{ey-3.5} L{ex+3},{ey-1}', YD, 0.7)
    s += C(ex,ey-6.2,2.6,Y,0.8) + P(f'M{ex-2.4},{ey-6.6} L{ex-5},{ey-5.4} L{ex-2.2},{ey-5} Z', R, 0.5) + C(ex-0.8,ey-6.8,0.5,K,0)
    s += E(16,146,9,7,'#D8A06E') + P('M8,140 Q4,136 5,132 Q9,137 11,139 Z M24,140 Q28,136 27,132 Q23,137 21,139 Z', W, 0.6)
    s += C(13,145,0.8,K,0) + C(19,145,0.8,K,0) + E(16,150,3.4,2,'#F2C7A8',0.6)
    s += C(74,146,9,YD) + C(74,146,6,Y,0.7) + C(72,144.5,0.7,K,0) + C(76,144.5,0.7,K,0) + P('M72.5,148 H75.5 L74,149.5 Z', K, 0.3)
    return s

def mat():
    s = ground(142, GL, [(20,152),(80,156)])
    # the dog leaping at his leg
    s += P('M10,138 Q14,128 24,126 L30,118 L33,122 L36,120 L34,126 Q32,132 24,134 L18,146 L14,146 L16,138 Z', '#C9A880')
    s += C(32,122,0.6,K,0) + S('M10,138 Q4,134 6,128', K, 0.9)
    # walking legs
    s += L('M44,104 L38,124 L34,140', B, 3.2) + L('M50,104 L56,122 L62,138', R, 3.2)
    s += E(32,141,3.5,1.6,R) + E(64,139,3.5,1.6,B)
    # tunic with bells at the hem
    s += P('M40,64 Q47,60 54,64 L60,106 Q47,112 36,106 Z', R)
    s += P('M44,64 L50,64 L52,108 L44,108 Z', Y, 0.7)
    for x in (38,46,54,59): s += C(x,107.5,1.3,Y,0.5)
    s += P('M38,62 Q47,58 56,62 L55,68 Q47,64 39,68 Z', B, 0.7)
    # jester's cap
    s += face(47,55,5.2)
    s += P('M41,51 Q43,42 49,42 Q56,42 58,46 L62,54 L56,50 L53,49 Q48,47 41,51 Z', Y, 0.7) + C(62,55,1.4,R,0.5)
    s += P('M41,51 Q40,44 44,40 L38,38 L40,44 Z', R, 0.7)
    # bundle on a stick over his shoulder, staff in the other hand
    s += L('M47,64 L20,43', BR, 1.4) + P('M14,38 Q12,46 18,50 Q26,50 25,42 Q22,36 14,38 Z', W) + S('M17,39 L21,49', K, 0.5)
    s += L('M42,66 L34,70 L35,57', B, 3) + hand(35,56)
    s += L('M63,62 L68,142', YD, 1.5) + L('M52,66 L60,80 L64.5,84', B, 3) + hand(64.8,84)
    return s

CARTES = {15: diable, 16: maisondieu, 17: etoile, 18: lune, 19: soleil, 20: jugement, 21: monde, 22: mat}
