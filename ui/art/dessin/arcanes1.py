"""Scenes of the arcana I to VI, in the 90 x 165 design space (window 4..86 x 21..161)."""
from base import *

def bateleur():
    s = ground(138, GL, [(12,150),(80,152),(30,158)])
    # legs behind the table
    s += L('M40,112 L38,146', B, 3.2) + L('M50,112 L54,146', R, 3.2)
    s += E(36,147,3.5,1.8,R) + E(56,147,3.5,1.8,B)
    # body
    s += P('M35,53 Q45,49 55,53 L58,106 L32,106 Z', R)
    s += P('M41,52 L49,52 L48,106 L42,106 Z', B, 0.7)
    s += S('M34,84 H56', Y, 2.2)
    s += hair(45,44,5.5,Y,6)
    s += face(45,44)
    s += hat(45,37)
    # arm raising the wand
    s += L('M37,56 L28,70 L24,61', B, 3.6) + L('M20,50 L28,67', Y, 1.4) + hand(24,60)
    # other arm holding a coin
    s += L('M53,56 L61,73 L57,88', Y, 3.6) + hand(57,89) + C(59.5,92.5,2.2,Y,0.7)
    # table
    s += P('M12,104 L78,104 L74,114 L16,114 Z', '#E9B07A')
    s += P('M16,114 H74 V121 H16 Z', R)
    s += L('M19,121 L18,150', '#E9B07A', 2.6) + L('M71,121 L72,150', '#E9B07A', 2.6)
    # cup, coins, dice, knife and bag on the table
    s += P('M22,94 H31 Q31,101 27.5,101.5 L28.5,106 H30.5 V107.5 H23.5 V106 H25.5 L26.5,101.5 Q22,101 22,94 Z', Y, 0.7)
    s += E(38,108.5,2.6,1.2,Y,0.6) + E(44,110,2.6,1.2,Y,0.6) + E(41,106.5,2.6,1.2,Y,0.6)
    s += P('M50,103 h4 v4 h-4 Z', W, 0.6) + C(52,105,0.5,K,0) + P('M55,106 h3.5 v3.5 h-3.5 Z', W, 0.6) + C(56.75,107.75,0.5,K,0)
    s += S('M60,111 L69,107', GR, 1.4) + S('M60,111 L62.5,110', K, 1.4)
    s += P('M66,98 Q63,104 66,106 H72 Q75,104 72,98 L70.5,96 H67.5 Z', B, 0.7)
    return s

def papesse():
    s = ground(140, GL)
    # curtain
    s += P('M3,20 H38 Q34,34 22,44 Q12,52 3,74 Z', Y) + P('M87,20 H52 Q56,34 68,44 Q78,52 87,74 Z', Y)
    s += S('M12,24 Q14,40 6,60 M26,24 Q24,36 16,46 M78,24 Q76,40 84,60 M64,24 Q66,36 74,46', YD, 0.8)
    # cloak and robe
    s += P('M45,55 C30,57 23,92 21,140 L69,140 C67,92 60,57 45,55 Z', B)
    s += P('M40,62 L50,62 L57,140 L33,140 Z', R)
    s += S('M38,64 L31,140 M52,64 L59,140', Y, 1)
    # veil, face, tiara
    s += P('M37,60 Q34,42 45,38 Q56,42 53,60 Z', W)
    s += face(45,49,5.3)
    s += tiara(45,42)
    # arms holding the open book
    s += L('M38,64 L32,84 L37,94', B, 3.6) + L('M52,64 L58,84 L53,94', B, 3.6)
    s += P('M33,91 L45,94 L57,91 L57,105 L45,108 L33,105 Z', W, 0.8) + S('M45,94 V108', K, 0.7)
    s += S('M36,96 L42,97.5 M36,99 L42,100.5 M36,102 L42,103.5 M48,97.5 L54,96 M48,100.5 L54,99 M48,103.5 L54,102', K, 0.5)
    s += hand(35,96) + hand(55,96)
    s += E(37,141,4,2,R) + E(53,141,4,2,R)
    return s

def imperatrice():
    s = ground(140, GL)
    # wings of the throne behind her shoulders
    s += P('M36,62 Q20,52 12,30 Q24,36 30,44 Q24,36 24,28 Q34,40 40,58 Z', B)
    s += P('M54,62 Q70,52 78,30 Q66,36 60,44 Q66,36 66,28 Q56,40 50,58 Z', B)
    s += P('M45,56 C31,58 25,92 22,140 L68,140 C65,92 59,58 45,56 Z', R)
    s += P('M41,62 L49,62 L55,140 L35,140 Z', B)
    s += S('M36,64 Q45,70 54,64', Y, 1.6)
    s += hair(45,48,5.5,Y,8) + face(45,48) + crown(45,42,12,6)
    # sceptre with its orb and cross
    s += L('M28,58 L36,104', Y, 1.6) + C(27.3,55,3,Y,0.8) + S('M27,52 V47 M25,49.5 H29', K, 0.9)
    s += L('M40,64 L32,80 L33,90', R, 3.6) + hand(33.5,90)
    # shield with the eagle
    s += L('M50,64 L58,78 L58,86', R, 3.6) + hand(58,87)
    s += shield(55,84,15,18)
    s += E(38,141,4,2,B) + E(52,141,4,2,B)
    return s

def empereur():
    s = ground(136, GL, [(76,150)])
    # throne seen from the side
    s += P('M58,44 H70 V136 H64 V96 H58 Z', Y) + C(64,43,3,Y,0.8)
    # seat, lap, and legs crossed at the ankles
    s += P('M27,100 H67 V122 H27 Z', YD)
    s += L('M42,120 L52,133', R, 3.8) + L('M54,120 L42,133', B, 3.8)
    s += E(54,134,4,1.8,K,0.6) + E(40,134,4,1.8,K,0.6)
    s += P('M34,96 H61 L64,121 Q48,124 31,121 Z', R)
    s += P('M36,58 Q47,53 58,58 L60,103 L34,103 Z', B)
    s += P('M36,58 Q30,80 32,103 L40,103 L42,62 Z', R)
    s += S('M35,78 H59', Y, 1.4)
    # face with a white beard and a helmet crown
    s += P('M41,53 Q39,64 46,67 Q52,64 51,53 Z', '#E8E2D0', 0.8)
    s += face(46,48,5.3, mouth=False)
    s += P('M40,45 Q46,40 52,45 L52,41 Q46,35 40,41 Z', Y, 0.8) + crown(46,41,11,5)
    # sceptre raised, other hand on the belt
    s += L('M38,62 L30,74 L32,62', R, 3.6) + L('M32,70 L30,38', Y, 1.5) + C(30,36,2.6,Y,0.8) + S('M30,34 V30 M28.3,31.6 H31.7', K, 0.9) + hand(31.5,62)
    s += L('M55,62 L58,72 L51,78', B, 3.6) + hand(50.5,78)
    # shield with the eagle resting at his feet
    s += shield(10,118,14,17)
    return s

def pape():
    s = ground(140, GL)
    # two pillars behind the throne
    for x in (14,66):
        s += P(f'M{x},30 h10 v100 h-10 Z', BL) + P(f'M{x-2},27 h14 v4 h-14 Z', Y, 0.8) + S(f'M{x+3},33 V128 M{x+7},33 V128', B, 0.6)
    s += P('M45,56 C30,58 25,92 22,134 L68,134 C65,92 60,58 45,56 Z', R)
    s += P('M41,62 L49,62 L54,134 L36,134 Z', B)
    s += S('M36,64 L33,134 M54,64 L57,134', Y, 1)
    s += P('M40,55 Q38,66 45,70 Q52,66 50,55 Z', '#E8E2D0', 0.8)
    s += face(45,49,5.3, mouth=False) + tiara(45,43)
    # blessing hand with two fingers raised
    s += L('M52,64 L62,74 L63,62', R, 3.6) + hand(63,60.5,2.2) + S('M62.4,58.6 V54.5 M64.2,58.6 V55', FL, 1.1) + S('M62.4,58.6 V54.5 M64.2,58.6 V55', K, 0.35)
    # triple cross
    s += L('M28,54 L30,122', Y, 1.5) + S('M27.4,56 H31 M25,60 H33 M24,64.5 H35', Y, 1.3)
    s += L('M38,64 L32,82 L30,86', R, 3.6) + hand(29.8,86)
    # two tonsured clerics seen from behind
    for cx,col in ((28,B),(62,R)):
        s += P(f'M{cx-12},161 Q{cx-12},144 {cx},141 Q{cx+12},144 {cx+12},161 Z', col)
        s += C(cx,138,6,'#6E4A2E') + C(cx,137,3.2,FL,0.6)
    return s

def amoureux():
    s = ground(146, GL, [(9,156),(82,155)])
    # sun disc with Cupid
    for i in range(12):
        a = math.radians(i*30)
        s += S(f'M{f(45+12*math.cos(a))},{f(38+12*math.sin(a))} L{f(45+16*math.cos(a))},{f(38+16*math.sin(a))}', YD, 1.1)
    s += C(45,38,11,'#FBE7A2')
    s += P('M40,36 Q33,28 30,34 Q33,38 40,39 Z', BL, 0.6) + P('M50,36 Q57,28 60,34 Q57,38 50,39 Z', BL, 0.6)
    s += P('M41,38 Q45,36 49,38 L48,46 L42,46 Z', FL, 0.6) + C(45,33,3.2,FL,0.6) + S('M42,31.5 Q45,29 48,31.5', Y, 1.2)
    s += S('M37,42 Q40,50 50,48', K, 0.7) + S('M38,43 L52,52', R, 0.9) + P('M52,52 L49.5,51.6 L51,49.6 Z', R, 0.4)
    # three figures
    def figure(cx, robe, haut, coiffe):
        t = L(f'M{cx-3},118 L{cx-4},146', haut, 3) + L(f'M{cx+3},118 L{cx+4},146', haut, 3)
        t += E(cx-5,147,3,1.5,K,0.5) + E(cx+5,147,3,1.5,K,0.5)
        t += P(f'M{cx-8},78 Q{cx},74 {cx+8},78 L{cx+11},122 L{cx-11},122 Z', robe)
        t += coiffe
        return t
    s += figure(20, R, R, hair(20,71,5,Y,9)) + face(20,71,5) + P('M14,68 Q20,62 26,68 L25,65 Q20,59 15,65 Z', G, 0.6)
    s += figure(70, B, B, hair(70,71,5,'#6E4A2E',9)) + face(70,71,5) + C(66,66,1.5,R,0.5) + C(70,65,1.5,W,0.5) + C(74,66,1.5,R,0.5)
    s += figure(45, Y, B, hair(45,69,5,Y,3)) + face(45,69,5)
    s += P('M37,76 Q45,73 53,76 L54,92 L36,92 Z', R, 0.7) + S('M36,100 H54', R, 1.2)
    # the women's hands on the young man
    s += L('M27,82 L36,90', R, 3) + hand(37,90) + L('M63,82 L52,82', B, 3) + hand(51.5,82)
    return s
