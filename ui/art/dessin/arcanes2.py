"""Scenes of the arcana VII to XIV."""
from base import *

def horse(cx, col, sens):
    # a horse seen from the front, its head turned outwards (sens = -1 left, +1 right)
    k = sens; y0 = 122
    def pt(x, y): return (cx + k*x, y0 + y)
    s = L(f'M{f(cx-4)},146 L{f(cx-5)},158 M{f(cx+4)},146 L{f(cx+5)},158', col, 2.6)
    s += E(cx-5,158.5,2.2,1,K,0.5) + E(cx+5,158.5,2.2,1,K,0.5)
    s += P(f'M{f(cx-9)},136 Q{f(cx-9)},150 {f(cx)},150 Q{f(cx+9)},150 {f(cx+9)},136 Q{f(cx)},128 {f(cx-9)},136 Z', col)
    head = [(-7,16),(-6,2),(-3,-7),(1,-9),(5,-8),(13,-2),(16,2),(15,5),(10,5.5),(5,2),(3,7),(7,16)]
    s += P(poly([pt(x,y) for x,y in head]), col)
    s += P(poly([pt(x,y) for x,y in ((-2,-7),(-1,-13),(2,-8.5))]), col, 0.7)
    mane = Y if col != Y else R
    s += S('M' + ' L'.join(f'{f(a)},{f(b)}' for a,b in (pt(-3,-6),pt(-6.5,2),pt(-7.5,14))), mane, 1.6)
    x, y = pt(5,-4); s += C(x, y, 0.8, K, 0)
    x, y = pt(14,2.2); s += C(x, y, 0.5, K, 0)
    s += S('M' + ' L'.join(f'{f(a)},{f(b)}' for a,b in (pt(2,-6),pt(8,-1),pt(10,5))), K, 0.5)
    return s

def chariot():
    s = ground(128, GL)
    # wheels either side of the box
    s += E(17,112,4,11,Y) + E(73,112,4,11,Y)
    # canopy on its posts
    s += L('M24,48 V100', Y, 1.8) + L('M66,48 V100', Y, 1.8)
    s += P('M20,40 H70 L68,49 Q63,53 58,49 Q51,54 45,49 Q39,54 32,49 Q27,53 22,49 Z', R)
    # the crowned driver
    s += P('M35,70 Q45,65 55,70 L56,98 L34,98 Z', R)
    s += P('M33,70 Q30,75 33,78 Q37,76 37,71 Z', BL, 0.6) + P('M57,70 Q60,75 57,78 Q53,76 53,71 Z', BL, 0.6)
    s += hair(45,61,5.3,Y,5) + face(45,61,5.3) + crown(45,55,11,5)
    s += L('M54,72 L60,84 L60,76', R, 3.4) + L('M60,84 L62,58', Y, 1.4) + C(62,56,2.2,Y,0.7) + hand(60,80)
    s += L('M36,72 L31,86 L38,92', R, 3.4) + hand(38,92)
    # the box of the chariot
    s += P('M22,96 H68 V126 H22 Z', B)
    s += P('M39,102 H51 V113 Q51,119 45,121 Q39,119 39,113 Z', Y, 0.8) + S('M41,106 H49 M45,103 V118', R, 1)
    s += horse(28, B, -1) + horse(62, R, 1)
    return s

def justice():
    s = ground(140, GL)
    for x in (12,68):
        s += P(f'M{x},34 h10 v100 h-10 Z', Y) + C(x+5,31,4,Y,0.8)
    s += P('M45,56 C30,58 24,92 21,140 L69,140 C66,92 60,58 45,56 Z', R)
    s += P('M41,62 L49,62 L54,140 L36,140 Z', B)
    s += S('M37,64 Q45,70 53,64', Y, 1.6)
    s += hair(45,48,5.5,Y,8) + face(45,48) + crown(45,42,12,6)
    # upright sword
    s += P('M25.5,34 L27,28 L28.5,34 V86 H25.5 Z', '#E1E7EC', 0.8) + L('M21,86 H33', Y, 1.4) + L('M27,88 V95', BR, 1.6) + C(27,96.5,1.4,Y,0.6)
    s += L('M39,64 L30,78 L27,89', R, 3.6) + hand(27,90)
    # scales
    s += L('M51,64 L60,80 L62,90', R, 3.6)
    s += S('M62,88 V79', K, 0.9) + S('M52,79 H72', YD, 1.6) + C(62,78,1.3,Y,0.6)
    s += S('M52,79 L49,92 M52,79 L55,92 M72,79 L69,92 M72,79 L75,92', K, 0.55)
    s += P('M48,92 H56 Q52,97 48,92 Z', Y, 0.7) + P('M68,92 H76 Q72,97 68,92 Z', Y, 0.7)
    s += hand(62,90)
    s += E(38,141,4,2,R) + E(52,141,4,2,R)
    return s

def hermite():
    s = ground(146, GL, [(14,156)])
    # long cloak, blue outside and red within
    s += P('M44,48 C30,52 26,96 22,146 L66,146 C64,100 58,54 44,48 Z', B)
    s += P('M42,58 L48,58 C54,90 58,120 60,146 L48,146 C47,110 45,80 42,58 Z', R)
    s += S('M42,58 C46,90 48,120 48,146', Y, 0.9)
    # hood and old face with white beard
    s += P('M33,52 Q33,34 44,32 Q56,34 55,54 Q50,46 44,46 Q37,47 33,52 Z', B)
    s += face(44,48,5, mouth=False)
    s += P('M39,50 Q38,66 44,72 Q50,66 49,50 Q44,55 39,50 Z', '#EEEAE0', 0.8)
    # staff
    s += L('M60,66 L64,150', BR, 1.8)
    s += L('M52,64 L58,78 L60,70', B, 3.6) + hand(60,70)
    # lantern held up
    s += L('M36,62 L28,76 L24,66', B, 3.6) + hand(24,65)
    s += S('M24,63 V58', K, 0.7)
    s += P('M19,44 L24,40 L29,44 V56 L24,59 L19,56 Z', Y) + P('M21,46 H27 V54 H21 Z', '#FFF3B0', 0.6) + C(24,50,1.5,R,0)
    s += S('M19,44 H29', K, 0.7)
    return s

def roue():
    s = ground(140, GL, [(10,152),(80,150)])
    # stand
    s += L('M22,140 L30,104 M68,140 L60,104', BR, 2.4) + P('M16,137 H74 V143 H16 Z', Y)
    # crank handle
    s += L('M45,100 L11,104 L11,112', Y, 1.8)
    # the wheel
    cx, cy = 45, 100
    for i in range(8):
        a = math.radians(i*45 + 22.5)
        s += L(f'M{cx},{cy} L{f(cx+23*math.cos(a))},{f(cy+23*math.sin(a))}', Y, 1.4, 1.3)
    s += f'<circle cx="{cx}" cy="{cy}" r="24.5" fill="none" stroke="{K}" stroke-width="5.6"/>'
    s += f'<circle cx="{cx}" cy="{cy}" r="24.5" fill="none" stroke="{R}" stroke-width="3.6"/>'
    s += C(cx,cy,5,B) + C(cx,cy,1.8,Y,0.6)
    # crowned sphinx on the top
    s += P('M33,72 H57 V76 H33 Z', YD, 0.8)
    s += P('M36,72 Q36,62 45,60 Q54,62 54,72 Z', B)
    s += P('M37,64 Q28,56 30,48 Q36,54 40,58 Z', BL, 0.7) + P('M53,64 Q62,56 60,48 Q54,54 50,58 Z', BL, 0.7)
    s += face(45,55,4.2, mouth=False) + crown(45,51,9,4)
    s += L('M52,66 L56,46', GR, 1.1) + S('M53.5,56 H58.5', Y, 1.2)
    # a creature rising on the left, one going down on the right
    s += P('M19,96 Q17,88 22,84 Q26,82 28,86 L27,92 Q25,100 21,104 Z', Y)
    s += C(24,80,3.2,Y,0.8) + P('M22,77.5 L22.5,74 L24.5,77 Z', Y, 0.6) + C(25,79.5,0.5,K,0)
    s += S('M20,103 Q15,108 17,114', K, 0.9)
    s += P('M71,104 Q73,112 68,116 Q64,118 62,114 L63,108 Q65,100 69,96 Z', R)
    s += C(66,120,3.2,R,0.8) + P('M68,122.5 L67.5,126 L65.5,123 Z', R, 0.6) + C(65,120.5,0.5,K,0)
    s += S('M70,97 Q75,92 73,86', K, 0.9)
    return s

def force():
    s = ground(140, GL, [(80,154)])
    # standing woman
    s += P('M50,56 C38,60 34,100 30,142 L72,142 C70,100 64,60 50,56 Z', B)
    s += P('M44,62 C40,90 38,120 40,142 L50,142 C50,110 50,80 52,62 Z', R)
    s += hair(50,48,5.5,Y,8) + face(50,48) + hat(50,41)
    # the lion, standing in front of her, its head turned up to her hands
    s += L('M38,134 L37,150 M46,136 L46,150 M60,135 L61,150 M67,132 L69,150', Y, 3.2)
    s += E(36,151,2.6,1.2,Y,0.6) + E(46,151,2.6,1.2,Y,0.6) + E(61,151,2.6,1.2,Y,0.6) + E(69,151,2.6,1.2,Y,0.6)
    s += P('M30,120 Q48,113 64,118 Q73,123 70,135 Q50,141 34,137 Q28,130 30,120 Z', Y)
    s += S('M69,123 Q80,118 79,106', K, 1) + P('M79,106 q-2,-3 0,-5 q3,2 0,5 Z', YD, 0.6)
    s += S('M40,128 Q46,131 52,128', YD, 0.8)
    s += star(26,114,13,10,12,YD,sw=0.8) + C(26,114,7.5,Y,0.8)
    s += C(23.5,111,0.8,K,0) + C(28.5,111,0.8,K,0) + P('M24.6,113.4 H27.4 L26,115 Z', K, 0.3)
    s += P('M20,117 Q26,115 32,117 Q30,125 26,125 Q22,125 20,117 Z', R, 0.8)
    s += S('M22,118 L23,120 M30,118 L29,120', W, 0.8)
    # her hands opening the jaws
    s += L('M44,64 L36,90 L28,108', R, 3.4) + hand(28,109)
    s += L('M56,64 L48,96 L31,120', B, 3.4) + hand(30,121)
    return s

def pendu():
    s = ground(150, GL)
    # two lopped trees and the crossbar
    for x in (12,72):
        s += P(f'M{x},150 V34 h6 V150 Z', G) + S(f'M{x+1},60 h-3 M{x+5},88 h3 M{x+1},112 h-3 M{x+5},132 h3', GD, 1.6)
        s += S(f'M{x},60 h-3 M{x+6},88 h3 M{x},112 h-3 M{x+6},132 h3', K, 0.5)
    s += P('M10,30 H80 V37 H10 Z', Y)
    s += S('M45,37 V50', K, 0.9)
    # legs: one straight, the other folded behind it
    s += L('M46,96 L56,80 L46,72', R, 3.4)
    s += L('M44,98 L45,52', B, 3.6) + E(45,50,2,3,K,0.5)
    # body, head hanging
    s += P('M36,96 H54 L55,126 Q45,130 35,126 Z', R)
    s += P('M42,96 H48 V127 H42 Z', Y, 0.6)
    s += C(39,103,1.2,Y,0.5) + C(51,103,1.2,Y,0.5) + C(39,112,1.2,Y,0.5) + C(51,112,1.2,Y,0.5)
    s += L('M37,124 L33,114', B, 3) + L('M53,124 L57,114', B, 3)
    s += P('M38,132 Q36,146 39,148 L42,146 L45,150 L48,146 L51,148 Q54,146 52,132 Z', B, 0.7)
    s += face(45,135,5.5, mouth=False)
    s += C(43.1,134.4,0.55,K,0)
    return s

def mort():
    s = ground(136, '#5B4130')
    # new shoots in the dark earth
    for x,y,c in ((12,146,R),(24,152,Y),(70,150,B),(80,142,R),(60,156,Y)):
        s += S(f'M{x},{y} q-1,-4 1,-7', GL, 1.1) + S(f'M{x},{y-3} q-3,-1 -4,-3 M{x+0.5},{y-5} q3,-1 4,-3', GL, 1) + C(x+1,y-7.5,1.3,c,0.5)
    # skeleton walking with the scythe
    IVB = '#EFE3C8'
    s += L('M39,100 L33,119 L29,138', IVB, 2.2) + L('M45,100 L52,118 L54,137', IVB, 2.2)
    s += E(27,138.5,3,1.2,IVB,0.6) + E(56,137.5,3,1.2,IVB,0.6)
    s += P('M35,96 Q42,92 49,96 L47,104 Q42,101 37,104 Z', IVB, 0.8)
    s += L('M41,58 Q43,78 42,96', IVB, 1.8)
    s += P('M34,64 Q42,60 50,64 Q51,76 46,84 Q42,86 38,84 Q33,76 34,64 Z', IVB, 0.9)
    s += S('M36,70 Q42,73 48,70 M36,75 Q42,78 48,75 M38,80 Q42,82 46,80', K, 0.6)
    s += L('M36,63 L29,76 L32,86', IVB, 1.8)
    s += L('M24,74 L62,132', BR, 1.7)
    s += P('M62,131 Q74,124 86,136 Q73,131 63,135 Z', GR, 0.8)
    s += L('M48,63 L52,86 L46,107', IVB, 1.8)
    s += C(32,86,1.6,IVB,0.6) + C(46,107.5,1.6,IVB,0.6)
    s += C(41,51,6.2,IVB) + P('M37.5,55 H44.5 V59 H37.5 Z', IVB, 0.7) + S('M39.5,55.5 V58.5 M42.5,55.5 V58.5', K, 0.5)
    s += C(38.6,50.5,1.4,K,0) + C(43.4,50.5,1.4,K,0) + P('M41,53 L40.2,54.6 H41.8 Z', K, 0.3)
    return s

def temperance():
    s = ground(146, GL, [(12,155),(78,154)])
    s += C(20,152,1.4,R,0.5) + C(72,150,1.4,Y,0.5)
    # wings
    s += P('M40,60 Q16,54 10,78 Q14,96 22,110 Q26,92 38,76 Z', BL) + S('M16,78 Q22,76 28,78 M16,88 Q21,86 26,88', B, 0.7)
    s += P('M50,60 Q74,54 80,78 Q76,96 68,110 Q64,92 52,76 Z', BL) + S('M74,78 Q68,76 62,78 M74,88 Q69,86 64,88', B, 0.7)
    # dress, red and blue halves
    s += P('M45,56 Q34,58 33,80 L28,146 H45 Z', B) + P('M45,56 Q56,58 57,80 L62,146 H45 Z', R)
    s += S('M45,58 V146', K, 0.7)
    s += hair(45,48,5.5,Y,9) + face(45,48) + C(45,40.5,2.4,R,0.7) + C(45,40.5,0.9,Y,0)
    # water poured from one vessel into the other
    s += L('M38,62 L30,76', B, 3.4) + jarre(30,80,115,Y) + hand(31,77)
    s += S('M36,82 C44,84 52,92 57,101', '#5AA7DE', 2.2)
    s += L('M52,62 L60,84 L58,102', R, 3.4) + jarre(58,107,-15,B) + hand(61,104)
    return s

CARTES = {7: chariot, 8: justice, 9: hermite, 10: roue, 11: force, 12: pendu, 13: mort, 14: temperance}
