"""The crayon house emblems, the card back and the small emblems and icons.

The crayon look comes from jittered strokes laid twice and scan-line hatching, since QtSvg has
no filters to roughen a line.
"""
from base import *
from base import f as fm
import math, random

# ---------- crayon tools ----------
def jit(pts, rnd, a):
    return [(x+rnd.uniform(-a,a), y+rnd.uniform(-a,a)) for x,y in pts]
def pl(pts, closed=False):
    d = 'M' + ' L'.join(f'{fm(x)},{fm(y)}' for x,y in pts)
    return d + (' Z' if closed else '')
def crayon(pts, col, w, seed, closed=True, a=0.35, passes=((0,0,1.0,0.9),(0.6,-0.5,0.65,0.45))):
    rnd = random.Random(seed)
    out = ''
    ring = pts + [pts[0]] if closed else pts
    for dx,dy,wf,op in passes:
        q = jit([(x+dx,y+dy) for x,y in ring], rnd, a)
        out += S(pl(q), col, fm(w*wf), op)
    return out
def inside_segments(rings, y):
    xs = []
    for ring in rings:
        n = len(ring)
        for i in range(n):
            (x1,y1),(x2,y2) = ring[i], ring[(i+1)%n]
            if (y1 <= y < y2) or (y2 <= y < y1):
                xs.append(x1 + (y-y1)*(x2-x1)/(y2-y1))
    xs.sort()
    return [(xs[i], xs[i+1]) for i in range(0, len(xs)-1, 2)]
def hatch(rings, col, angle=35, step=2.2, w=1.1, op=0.75, seed=1, inset=0.8):
    # rotate the shape so the hatching is horizontal, cut scanlines, rotate back
    rnd = random.Random(seed)
    a = math.radians(angle); ca, sa = math.cos(a), math.sin(a)
    rot = [[(x*ca + y*sa, -x*sa + y*ca) for x,y in r] for r in rings]
    ys = [p[1] for r in rot for p in r]
    out = []
    y = min(ys) + step/2
    while y < max(ys):
        for x1, x2 in inside_segments(rot, y):
            x1 += inset; x2 -= inset
            if x2 - x1 < 0.6: continue
            x1 += rnd.uniform(0, 0.8); x2 -= rnd.uniform(0, 0.8)
            yy = y + rnd.uniform(-0.25, 0.25)
            p1 = (x1*ca - yy*sa, x1*sa + yy*ca); p2 = (x2*ca - (yy+0.3)*sa, x2*sa + (yy+0.3)*ca)
            out.append(f'M{fm(p1[0])},{fm(p1[1])} L{fm(p2[0])},{fm(p2[1])}')
        y += step
    # butt ends: round caps on hundreds of short strokes cost more than they show
    return S(' '.join(out), col, w, op).replace('stroke-linecap="round"', 'stroke-linecap="butt"') if out else ''
def fond(pts, col, op=None):
    return F(pl(pts, True), col, op)
def ellipse_pts(cx,cy,rx,ry,n=40,a0=0):
    return [(cx+rx*math.cos(a0+2*math.pi*i/n), cy+ry*math.sin(a0+2*math.pi*i/n)) for i in range(n)]
def capsule(x1,y1,x2,y2,r,n=10):
    ang = math.atan2(y2-y1, x2-x1); pts=[]
    for i in range(n+1):
        t = ang + math.pi/2 + math.pi*i/n
        pts.append((x1 + r*math.cos(t), y1 + r*math.sin(t)))
    for i in range(n+1):
        t = ang - math.pi/2 + math.pi*i/n
        pts.append((x2 + r*math.cos(t), y2 + r*math.sin(t)))
    return pts
def bezier(p0,p1,p2,p3,n=12):
    out=[]
    for i in range(n+1):
        t=i/n; u=1-t
        out.append((u**3*p0[0]+3*u*u*t*p1[0]+3*u*t*t*p2[0]+t**3*p3[0], u**3*p0[1]+3*u*u*t*p1[1]+3*u*t*t*p2[1]+t**3*p3[1]))
    return out
def papier(w,h,seed):
    # a sheet of drawing paper with soft, hand-torn edges
    rnd = random.Random(seed)
    m = 2.5; pts=[]
    for (x0,y0,x1,y1) in ((m,m,w-m,m),(w-m,m,w-m,h-m),(w-m,h-m,m,h-m),(m,h-m,m,m)):
        n = max(3,int(abs(x1-x0+y1-y0)/8))
        for i in range(n):
            t=i/n; pts.append((x0+(x1-x0)*t+rnd.uniform(-0.6,0.6), y0+(y1-y0)*t+rnd.uniform(-0.6,0.6)))
    return fond(pts, '#FFF8EA') + crayon(pts, '#D9C7A6', 1.0, seed+7, passes=((0,0,1,0.8),))
def coloured(rings, base, line, hatchcol, seed, angle=35, step=2.2, w=1.3, lw=1.6, baseop=0.55, croise=False):
    s = ''.join(fond(r, base, baseop) for r in rings[:1])
    s += hatch(rings, hatchcol, angle, step*1.45, w*1.15, 0.8, seed)
    if croise: s += hatch(rings, hatchcol, angle+70, step*3.4, w*0.8, 0.35, seed+1)
    for i, r in enumerate(rings):
        s += crayon(r, line, lw, seed+10+i)
    return s

# ---------- the ten houses ----------
def maison1():  # health: a green cross
    w,h = 120,109
    c = [(46,14),(74,14),(74,40),(100,40),(100,68),(74,68),(74,95),(46,95),(46,68),(20,68),(20,40),(46,40)]
    pts=[]
    for i in range(len(c)):
        a,b = c[i], c[(i+1)%len(c)]
        for t in (0,0.5): pts.append((a[0]+(b[0]-a[0])*t, a[1]+(b[1]-a[1])*t))
    s = papier(w,h,11) + coloured([pts], '#9BE08E', '#1E6B2A', '#2E9A3C', 3, step=2.4, lw=2.2)
    s += S('M52,20 L52,42 M26,46 L44,46', '#FFFFFF', 2.2, 0.7)
    return wrap(w,h,s)

def personne(cx, top, hgt, col, line, seed, jupe=False):
    r = hgt*0.12
    head = ellipse_pts(cx, top+r, r, r, 24)
    sh = top + 2*r + 1.5
    if jupe:
        body = [(cx-hgt*0.12,sh),(cx+hgt*0.12,sh),(cx+hgt*0.26,top+hgt*0.72),(cx-hgt*0.26,top+hgt*0.72)]
    else:
        body = [(cx-hgt*0.15,sh),(cx+hgt*0.15,sh),(cx+hgt*0.14,top+hgt*0.62),(cx-hgt*0.14,top+hgt*0.62)]
    s = ''
    legs = [(cx-hgt*0.07, top+hgt*0.62, cx-hgt*0.09, top+hgt), (cx+hgt*0.07, top+hgt*0.62, cx+hgt*0.09, top+hgt)]
    for i,(x1,y1,x2,y2) in enumerate(legs):
        s += coloured([capsule(x1,y1,x2,y2,hgt*0.05)], '#6B7FB5' if not jupe else '#F2C7A8', line, '#3B4F8F' if not jupe else '#D99B7A', seed+20+i, step=1.8, lw=1.2)
    s += coloured([body], col[0], line, col[1], seed, step=2.0, lw=1.5)
    s += coloured([head], '#FBD9BC', line, '#E8A982', seed+5, angle=60, step=1.8, lw=1.4)
    return s, sh

def maison2():  # friends: linked figures
    w,h = 120,73
    s = papier(w,h,21)
    for i,(cx,col) in enumerate(((26,('#FFC56B','#E8891C')),(60,('#8FD3F0','#2C86C9')),(94,('#F7A0B8','#D9476B')))):
        t, sh = personne(cx, 7, 60, col, '#3A2A1E', 100+i*17, jupe=(i==1))
        s += t
    # joined arms
    for x1,x2 in ((31,55),(65,89)):
        s += crayon([(x1,27),(x1+6,33),(x2-6,33),(x2,27)], '#3A2A1E', 2.0, x1, closed=False)
    return wrap(w,h,s)

def maison3():  # parents: two standing figures
    w,h = 103,120
    s = papier(w,h,31)
    t,_ = personne(34, 8, 104, ('#8FB8F0','#2C5FC9'), '#2A2A3A', 300); s += t
    t,_ = personne(70, 18, 94, ('#F59A8A','#C8372D'), '#3A1E1E', 330, jupe=True); s += t
    s += crayon([(23,17),(26,11),(34,8.5),(42,11),(45,17)], '#6E4A2E', 3.2, 5, closed=False)
    s += crayon([(61,30),(64,21),(70,18),(76,21),(79,30)], '#C9931A', 3.0, 6, closed=False)
    return wrap(w,h,s)

def maison4():  # finances: coins
    w,h = 120,39
    s = papier(w,h,41)
    for i,(cx,cy,rx) in enumerate(((20,21,13),(44,23,13),(68,19,13),(93,22,13),(82,27,11))):
        e = ellipse_pts(cx,cy,rx,rx*0.86,36)
        s += coloured([e], '#FFE07A', '#8A5A10', '#E0A21B', 400+i, angle=20+i*25, step=2.0, lw=1.6, baseop=0.9)
        s += crayon(ellipse_pts(cx,cy,rx*0.62,rx*0.52,28), '#B07A14', 1.1, 450+i)
        s += S(f'M{fm(cx-rx*0.3)},{fm(cy-rx*0.3)} q{fm(rx*0.2)},-3 {fm(rx*0.5)},-2', '#FFFFFF', 1.3, 0.8)
    return wrap(w,h,s)

def maison5():  # spirituality: an eye
    w,h = 140,80
    s = papier(w,h,51)
    for i in range(14):
        a = math.radians(200 + i*10.7)
        s += crayon([(70+40*math.cos(a), 44+34*math.sin(a)), (70+52*math.cos(a), 44+44*math.sin(a))], '#E0A21B', 1.6, 500+i, closed=False)
    eye = bezier((18,44),(40,14),(100,14),(122,44),16) + bezier((122,44),(100,72),(40,72),(18,44),16)[1:-1]
    s += fond(eye, '#FFFFFF', 0.9) + crayon(eye, '#3A2A1E', 2.0, 520)
    iris = ellipse_pts(70,43,15,15,30)
    s += coloured([iris], '#7EC4EA', '#1F4F80', '#2C86C9', 530, angle=70, step=1.6, lw=1.5, baseop=0.9)
    s += fond(ellipse_pts(70,43,6.5,6.5,20), '#1B1B1B') + F('M64,37 a3,3 0 1 0 6,0 a3,3 0 1 0 -6,0 Z', '#FFFFFF', 0.9)
    for i in range(7):
        t = 0.2 + i*0.1; x = (1-t)**3*18+3*(1-t)**2*t*40+3*(1-t)*t*t*100+t**3*122; y = (1-t)**3*44+3*(1-t)**2*t*14+3*(1-t)*t*t*14+t**3*44
        s += crayon([(x,y),(x+(x-70)*0.08,y-7)], '#3A2A1E', 1.4, 560+i, closed=False)
    return wrap(w,h,s)

def maison6():  # acquisitions: house, car and land
    w,h = 120,72
    s = papier(w,h,61)
    land = [(4,50),(30,46),(60,49),(90,45),(116,48),(116,68),(4,68)]
    s += coloured([land], '#A8DC8A', '#3C7A2E', '#58A844', 600, angle=10, step=2.0, lw=1.4)
    s += crayon([(8,60),(30,56),(56,59)], '#3C7A2E', 1.0, 601, closed=False) + crayon([(64,62),(90,58),(112,60)], '#3C7A2E', 1.0, 602, closed=False)
    wall = [(12,28),(44,28),(44,52),(12,52)]
    s += coloured([wall], '#FFE3B0', '#6E4A2E', '#E9B07A', 610, step=2.0)
    roof = [(8,29),(28,9),(48,29)]
    s += coloured([roof], '#F58A78', '#7A1E16', '#D63A2A', 611, angle=-30, step=1.8)
    s += coloured([[(24,38),(32,38),(32,52),(24,52)]], '#8FB8F0', '#2A2A3A', '#2C5FC9', 612, step=1.6, lw=1.2)
    s += coloured([[(35,33),(41,33),(41,39),(35,39)]], '#BFE6F7', '#2A2A3A', '#5AA7DE', 613, step=1.5, lw=1.0)
    car = [(60,48),(62,40),(72,38),(78,30),(96,30),(104,38),(112,40),(112,48)]
    s += coloured([car], '#7EC4EA', '#1F3F78', '#2F5DA8', 620, step=2.0)
    s += coloured([[(80,32),(94,32),(99,38),(76,38)]], '#EAF6FF', '#1F3F78', '#BFE6F7', 621, step=1.5, lw=1.0)
    for cx in (72,100):
        s += coloured([ellipse_pts(cx,49,5.5,5.5,20)], '#555555', '#1B1B1B', '#1B1B1B', 630+cx, step=1.4, lw=1.3, baseop=0.9)
        s += fond(ellipse_pts(cx,49,2,2,12), '#DDDDDD')
    return wrap(w,h,s)

def maison7():  # encounters: an open hand
    w,h = 140,116
    s = papier(w,h,71)
    line, base, hc = '#6E3B22', '#FBD9BC', '#E29A70'
    fingers = [(44,64,18,44,8.5),(58,50,52,14,7.6),(72,48,74,10,7.8),(86,52,94,18,7.2),(96,62,112,36,6.4)]
    for i,(x1,y1,x2,y2,r) in enumerate(fingers):
        cap = capsule(x1,y1,x2,y2,r)
        s += coloured([cap], base, line, hc, 700+i, angle=math.degrees(math.atan2(y2-y1,x2-x1)), step=2.0, lw=1.7, baseop=1.0, croise=False)
        # a knuckle crease across the finger
        mx, my = x1 + (x2-x1)*0.55, y1 + (y2-y1)*0.55
        L_ = math.hypot(x2-x1, y2-y1); px, py = -(y2-y1)/L_*r*0.55, (x2-x1)/L_*r*0.55
        s += crayon([(mx-px, my-py), (mx+px, my+py)], '#B8714E', 1.0, 720+i, closed=False, passes=((0,0,1,0.8),))
    palm = bezier((36,62),(40,50),(92,44),(104,60),10) + bezier((104,60),(108,86),(96,108),(70,110),10)[1:] + bezier((70,110),(46,108),(34,86),(36,62),10)[1:-1]
    s += fond(palm, base) + hatch([palm], hc, 40, 3.0, 1.5, 0.8, 730) + hatch([palm], hc, 110, 6.0, 1.0, 0.35, 731)
    s += crayon(palm, line, 1.8, 740)
    s += crayon([(52,78),(66,72),(82,74)], line, 1.1, 741, closed=False) + crayon([(50,90),(64,84),(88,84)], line, 1.1, 742, closed=False)
    # little sparks of the meeting
    for i,(x,y) in enumerate(((22,20),(120,80),(16,92))):
        s += crayon([(x-5,y),(x+5,y)], '#E0A21B', 1.6, 750+i, closed=False) + crayon([(x,y-5),(x,y+5)], '#E0A21B', 1.6, 760+i, closed=False)
    return wrap(w,h,s)

def maison8():  # the unconscious: a ring
    w,h = 120,85
    s = papier(w,h,81)
    outer = ellipse_pts(60,50,36,26,48); inner = ellipse_pts(60,51,27,18,48)
    s += F(pl(outer,True) + ' ' + pl(inner,True), '#FFE07A', 0.85).replace('<path ', '<path fill-rule="evenodd" ')
    s += hatch([outer, inner], '#D99A12', 30, 1.9, 1.2, 0.85, 800) + hatch([outer, inner], '#A8700C', 100, 4.0, 1.0, 0.4, 801)
    s += crayon(outer, '#7A5208', 1.8, 802) + crayon(inner, '#7A5208', 1.6, 803)
    s += crayon([(36,38),(46,30),(58,27)], '#FFFFFF', 1.8, 804, closed=False)
    gem = [(60,6),(72,16),(60,30),(48,16)]
    s += coloured([gem], '#B9A8F5', '#3A2A7A', '#6A4FD0', 810, angle=60, step=1.6, lw=1.6, baseop=0.9)
    s += crayon([(48,16),(72,16)], '#3A2A7A', 1.0, 811, closed=False) + crayon([(55,8),(53,15)], '#FFFFFF', 1.4, 812, closed=False)
    return wrap(w,h,s)

def maison9():  # character: a head in profile
    w,h = 104,120
    s = papier(w,h,91)
    prof = [(30,30),(40,16),(56,11),(72,16),(80,28),(82,40),(88,52),(84,56),(82,60),(84,64),(81,67),(82,72),(78,78),(70,80),(64,88),(64,104),(34,104),(38,86),(30,74),(26,56),(26,44)]
    smooth = []
    for i in range(len(prof)):
        a = prof[i]; b = prof[(i+1)%len(prof)]
        smooth += [a, ((a[0]*2+b[0])/3, (a[1]*2+b[1])/3), ((a[0]+b[0]*2)/3, (a[1]+b[1]*2)/3)]
    s += coloured([prof], '#FBD9BC', '#6E3B22', '#E29A70', 900, angle=50, step=2.1, lw=1.9, baseop=0.9)
    hair = [(26,56),(26,44),(30,30),(40,16),(56,11),(72,16),(78,26),(68,28),(56,32),(50,44),(44,50),(40,62),(34,70),(28,66)]
    s += coloured([hair], '#A8764A', '#3E2412', '#6E4422', 910, angle=-40, step=1.9, lw=1.7, baseop=0.9)
    s += crayon([(74,44),(70,45)], '#1B1B1B', 2.0, 920, closed=False) + crayon([(68,40),(76,39)], '#3E2412', 1.3, 921, closed=False)
    s += crayon([(46,50),(48,56),(44,60)], '#6E3B22', 1.4, 922, closed=False)
    s += crayon([(76,66),(80,66)], '#B03A2E', 1.8, 923, closed=False)
    # thought spirals of character
    sp = [(14+ (2+i*0.35)*math.cos(i*0.5), 20 + (2+i*0.35)*math.sin(i*0.5)) for i in range(28)]
    s += crayon(sp, '#2C86C9', 1.3, 930, closed=False, passes=((0,0,1,0.85),))
    return wrap(w,h,s)

def heart_pts(cx,cy,sc,n=60):
    pts=[]
    for i in range(n):
        t = 2*math.pi*i/n
        x = 16*math.sin(t)**3; y = 13*math.cos(t)-5*math.cos(2*t)-2*math.cos(3*t)-math.cos(4*t)
        pts.append((cx+x*sc, cy-y*sc))
    return pts
def maison10():  # love: a red heart
    w,h = 120,105
    s = papier(w,h,101)
    ht = heart_pts(60,50,2.9)
    s += coloured([ht], '#FF8A80', '#8E1A12', '#E0281C', 1000, angle=40, step=2.2, lw=2.2, baseop=0.8)
    s += crayon([(36,30),(42,24),(50,24)], '#FFFFFF', 2.4, 1001, closed=False)
    return wrap(w,h,s)

# ---------- small emblems ----------
def projets():
    w,h = 46,32
    s = F('M2,4 Q2,2 4,2 H42 Q44,2 44,4 V28 Q44,30 42,30 H4 Q2,30 2,28 Z', '#FFF8EA')
    s += C(37,9,3.4,'#F2C037',0)
    s += P('M5,27 L23,5 L27,27 Z', '#5AA7DE', 0.9) + P('M23,5 L41,27 H27 Z', '#1F4F99', 0.9)
    s += S('M12,19 L25,19 M16,14 L24,14', '#FFFFFF', 0.7, 0.6)
    s += S('M3,27.5 H43', '#C9931A', 1.2)
    return wrap(w,h,s)

def croix():
    w,h = 194,108
    s = Rc(0,0,194,108,'#10205A',0)
    rnd = random.Random(5)
    for _ in range(40):
        s += C(rnd.uniform(3,191), rnd.uniform(3,105), rnd.choice((0.5,0.7,0.9)), '#FFF3C0', 0)
    sq = 28; g = 4; cx, cy = 97, 54
    cells = [((cx-sq/2-g-sq, cy-sq/2), '#E5483A'), ((cx-sq/2, cy-sq/2-g-sq), '#F2C037'), ((cx+sq/2+g, cy-sq/2), '#4FB05A'), ((cx-sq/2, cy+sq/2+g), '#3E7DD8'), ((cx-sq/2, cy-sq/2), '#D23FB0')]
    for (x,y),c in cells:
        s += f'<rect x="{fm(x+2)}" y="{fm(y+2)}" width="{sq}" height="{sq}" rx="3" fill="#000000" opacity="0.35"/>'
        s += f'<rect x="{fm(x)}" y="{fm(y)}" width="{sq}" height="{sq}" rx="3" fill="{c}" stroke="{K}" stroke-width="1.2"/>'
        s += f'<path d="M{fm(x+3)},{fm(y+sq-5)} V{fm(y+4)} Q{fm(x+3)},{fm(y+3)} {fm(x+4)},{fm(y+3)} H{fm(x+sq-5)}" fill="none" stroke="#FFFFFF" stroke-width="1.6" stroke-linecap="round" opacity="0.55"/>'
    s += star(cx, cy, 7, 3, 5, '#FFF3C0', sw=0.7)
    return wrap(w,h,s)

def maisons():
    w,h = 194,108
    s = Rc(0,0,194,108,'#9FD3F2',0)
    s += C(170,18,9,'#FFE27A',0)
    s += P('M-2,52 Q50,40 100,50 T196,46 V110 H-2 Z', '#7CC06A', 0)
    s += P('M-2,74 Q60,64 120,74 T196,70 V110 H-2 Z', '#5BA552', 0)
    def maison(x,y,sc):
        wdt, hgt = 16*sc, 11*sc
        t = P(f'M{fm(x)},{fm(y)} h{fm(wdt)} v{fm(hgt)} h{fm(-wdt)} Z', '#FCEBD0', 0.8)
        t += P(f'M{fm(x-2*sc)},{fm(y+0.5)} L{fm(x+wdt/2)},{fm(y-8*sc)} L{fm(x+wdt+2*sc)},{fm(y+0.5)} Z', '#D23A2A', 0.8)
        t += Rc(x+wdt*0.4, y+hgt*0.45, wdt*0.22, hgt*0.55, '#8A5A35', 0.5)
        return t
    rnd = random.Random(3)
    rows = [(44,0.8,[14,38,62,86,110,134,158,178]), (64,1.0,[4,30,56,82,108,134,160]), (88,1.25,[-6,26,58,90,122,154,184])]
    for y,sc,xs in rows:
        for x in xs:
            s += maison(x+rnd.uniform(-3,3), y+rnd.uniform(-2,2), sc)
    return wrap(w,h,s)

def caravane():
    w,h = 191,108
    s = Rc(0,0,191,108,'#FBD9A8',0)
    s += C(34,30,14,'#FFF0B0',0) + C(34,30,10,'#FFD25A',0)
    s += P('M-2,70 Q40,62 96,68 T193,64 V110 H-2 Z', '#9CCB6E', 0)
    s += P('M-2,90 Q60,80 120,86 T193,84 V110 H-2 Z', '#C9A06A', 0)
    # the caravan
    s += L('M52,74 L24,90', '#8A5A35', 2)
    s += P('M58,40 Q58,26 72,24 H134 Q148,26 148,40 V74 H58 Z', '#F2C037', 1.2)
    s += P('M54,40 Q56,20 76,18 H130 Q150,20 152,40 Q140,34 103,34 Q66,34 54,40 Z', '#C8372D', 1.2)
    for x in range(66,148,10): s += S(f'M{x},{36 if 60<x<146 else 38} V74', '#C9931A', 0.8)
    s += P('M70,44 h18 v16 h-18 Z', '#7EC4EA', 1) + S('M79,44 V60 M70,52 H88', K, 0.7)
    s += P('M112,44 h18 v30 h-18 Z', '#2F5DA8', 1) + C(127,60,1.1,'#F2C037',0.5)
    s += P('M56,74 H150 V80 H56 Z', '#8A5A35', 1)
    s += L('M136,18 V8', '#555555', 3) + C(138,4,2.4,'#FFFFFF',0) + C(142,1,3,'#FFFFFF',0)
    for cx,r in ((76,11),(132,12)):
        s += C(cx,84,r,'#C8372D',1.2) + C(cx,84,r-3,'#F2C037',0.8)
        for i in range(6):
            a = math.radians(i*30)
            s += S(f'M{fm(cx+(r-3)*math.cos(a))},{fm(84+(r-3)*math.sin(a))} L{fm(cx-(r-3)*math.cos(a))},{fm(84-(r-3)*math.sin(a))}', K, 0.9)
        s += C(cx,84,2.2,K,0)
    for x,c in ((64,'#2F5DA8'),(92,'#C8372D'),(122,'#4F9A48'),(144,'#2F5DA8')):
        s += P(f'M{x-4},24 h8 l-4,6 Z', c, 0.6)
    return wrap(w,h,s)

def aide(gris=False):
    disc, rim, mark = ('#FFD83A','#B8860B','#D81E1E') if not gris else ('#D4D4D4','#8C8C8C','#7A7A7A')
    s = C(8,8,7.3,disc,0) + f'<circle cx="8" cy="8" r="7.1" fill="none" stroke="{rim}" stroke-width="0.9"/>'
    s += S('M5.4,6.2 Q5.4,3.4 8,3.4 Q10.7,3.4 10.7,5.8 Q10.7,7.4 8.9,8.2 Q8,8.7 8,10', mark, 2.0)
    s += C(8,12.6,1.25,mark,0)
    return wrap(16,16,s)

def icone_splash():
    s = f'<rect x="7" y="1.5" width="18" height="29" rx="2" fill="#D0218C" stroke="{K}" stroke-width="1"/>'
    s += f'<rect x="9.2" y="3.7" width="13.6" height="24.6" rx="1" fill="none" stroke="#F7C8E4" stroke-width="0.7"/>'
    s += P('M19,10 A6.5,6.5 0 1 0 19,22 A5,5 0 1 1 19,10 Z', '#F2C037', 0.7)
    s += star(20.5,13,2.4,1,5,'#FFF3C0',sw=0)
    return wrap(32,32,s)

def image_splash():
    s = ''
    for i,(a,c) in enumerate(((-16,'#2F5DA8'),(0,'#C8372D'),(16,'#D0218C'))):
        s += f'<g transform="rotate({a} 25.5 30)">'
        s += f'<rect x="18" y="4" width="15" height="25" rx="1.6" fill="{CR}" stroke="{K}" stroke-width="0.9"/>'
        s += f'<rect x="20" y="7" width="11" height="19" fill="{c}" stroke="{K}" stroke-width="0.5"/>'
        s += '</g>'
    s += P('M29.5,11.8 A4.2,4.2 0 1 0 29.5,19.8 A3.2,3.2 0 1 1 29.5,11.8 Z', '#F2C037', 0.6)
    return wrap(51,33,s)

def spirale_pts(cx, cy, r0, r1, tours, a0=0, n=120):
    pts=[]
    for i in range(n+1):
        t=i/n; a=a0+t*tours*2*math.pi; r=r0+(r1-r0)*t
        pts.append((cx+r*math.cos(a), cy+r*math.sin(a)))
    return pts
def lunespiral():
    s = '<defs><radialGradient id="nuit" cx="0.35" cy="0.3" r="0.85"><stop offset="0" stop-color="#2B3E8C"/><stop offset="1" stop-color="#0B1238"/></radialGradient>'
    s += '<linearGradient id="or" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#FFE58A"/><stop offset="1" stop-color="#E39B12"/></linearGradient></defs>'
    s += '<rect x="8" y="8" width="240" height="240" rx="44" fill="url(#nuit)"/>'
    s += '<rect x="8" y="8" width="240" height="240" rx="44" fill="none" stroke="#F2C037" stroke-width="6"/>'
    for x,y,r in ((200,54,4),(214,92,2.5),(60,206,3),(176,200,2.5),(44,60,2.5),(120,36,2)):
        s += star(x,y,r*3,r*1.2,4,'#FFF3C0',sw=0)
    # crescent moon
    s += '<path d="M168,44 A88,88 0 1 0 168,212 A72,72 0 1 1 168,44 Z" fill="url(#or)" stroke="#7A4A08" stroke-width="4" stroke-linejoin="round"/>'
    # spiral in the hollow of the crescent
    sp = spirale_pts(150,128,3,46,2.6,a0=math.pi*0.2)
    d = 'M' + ' L'.join(f'{fm(x)},{fm(y)}' for x,y in sp)
    s += f'<path d="{d}" fill="none" stroke="#0B1238" stroke-width="20" stroke-linecap="round" stroke-linejoin="round" opacity="0.6"/>'
    s += f'<path d="{d}" fill="none" stroke="#E6F0FF" stroke-width="12" stroke-linecap="round" stroke-linejoin="round"/>'
    return wrap(256,256,s)

def dos():
    M = '#C2187E'; MD = '#9A0F62'; ML = '#E04AA4'
    s = '<defs><radialGradient id="lueur" cx="0.5" cy="0.45" r="0.6"><stop offset="0" stop-color="#E8409E"/><stop offset="1" stop-color="#A3106A"/></radialGradient></defs>'
    s += f'<rect x="0.6" y="0.6" width="88.8" height="163.8" rx="4" fill="{CR}" stroke="{K}" stroke-width="1.2"/>'
    s += f'<rect x="4.5" y="4.5" width="81" height="156" rx="2" fill="url(#lueur)" stroke="{K}" stroke-width="1"/>'
    # lattice of small diamonds
    d = []
    for j in range(-1, 22):
        for i in range(-1, 12):
            x = 4.5 + i*8 + (4 if j%2 else 0); y = 4.5 + j*7.5
            if 6 < x < 84 and 6 < y < 159:
                d.append(f'M{fm(x)},{fm(y-2)} L{fm(x+1.6)},{fm(y)} L{fm(x)},{fm(y+2)} L{fm(x-1.6)},{fm(y)} Z')
    s += F(' '.join(d), ML, 0.55)
    s += f'<rect x="8" y="8" width="74" height="149" rx="1.5" fill="none" stroke="#F7C8E4" stroke-width="0.8"/>'
    s += f'<rect x="10" y="10" width="70" height="145" rx="1" fill="none" stroke="{MD}" stroke-width="0.6"/>'
    for x,y in ((10,10),(80,10),(10,155),(80,155)):
        s += star(x,y,3.4,1.3,4,'#F7C8E4',sw=0)
    # the question mark, with a light halo so it stands off the magenta
    q = 'M27,62 C27,40 63,38 63,60 C63,76 45,76 45,94 V104'
    s += S(q, '#F7C8E4', 16, 0.9).replace('stroke-linecap="round"', 'stroke-linecap="butt"')
    s += S(q, K, 11).replace('stroke-linecap="round"', 'stroke-linecap="butt"')
    s += C(45,120,9,'#F7C8E4',0) + C(45,120,6.6,K,0)
    s += S('M31,55 C33,46 41,43 48,44', '#5A5A5A', 1.4, 0.8)
    return wrap(90,165,s)

def opaque(svg, fond='#FFF8EA'):
    # Translucent paint is blended pixel by pixel and costs QtSvg twice an opaque one: mix each
    # colour with the paper once here instead.
    import re
    def melange(m):
        attr, col, op = m.group(1), m.group(2), float(m.group(4))
        a = [int(col[i:i+2],16) for i in (1,3,5)]; b = [int(fond[i:i+2],16) for i in (1,3,5)]
        c = ''.join('%02X' % round(op*x + (1-op)*y) for x,y in zip(a,b))
        return f'{attr}="#{c}"{m.group(3)}'
    return re.sub(r'(fill|stroke)="(#[0-9A-Fa-f]{6})"([^>]*?) (?:fill|stroke)-opacity="([0-9.]+)"', melange, svg)

def TOUT():
    t = {f'imageMaison{i+1}': opaque(fn()) for i, fn in enumerate((maison1,maison2,maison3,maison4,maison5,maison6,maison7,maison8,maison9,maison10))}
    t.update({'imageProjets': projets(), 'imageTirageEnCroix': croix(), 'imageTirageDixMaisons': maisons(),
              'imageTirageBohemiens': caravane(), 'aide': aide(), 'aideGrise': aide(True), 'iconeSplash': icone_splash(),
              'imageSplash': image_splash(), 'lunespiral': lunespiral(), 'picFond': dos()})
    return t
