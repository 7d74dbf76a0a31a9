"""Palette and drawing primitives shared by every picture.

QtSvg draws SVG Tiny 1.2 only: hex colours, no filters, masks, clipping or CSS. Everything here
keeps to that; outlined strokes (a black stroke under a coloured one) give the line work.
"""
import math, random
K='#1B1B1B'; R='#C8372D'; RD='#8E2620'; B='#2F5DA8'; BL='#8EC3E6'; BD='#1F3F78'
Y='#F2C037'; YD='#C9931A'; FL='#F5D3B3'; G='#4F9A48'; GD='#2F6E34'; GL='#9CCB6E'
W='#FFFBF0'; CR='#FBF3DF'; BR='#8A5A35'; GR='#B9C2C8'; IV='#F1E6CF'; SKY='#FDF7E8'

def f(v): 
    s=('%.2f'%v).rstrip('0').rstrip('.')
    return '0' if s=='-0' else s
def P(d, fill, sw=0.9, op=None):
    o = f' opacity="{op}"' if op else ''
    return f'<path d="{d}" fill="{fill}" stroke="{K}" stroke-width="{sw}" stroke-linejoin="round"{o}/>'
def F(d, fill, op=None):
    o = f' fill-opacity="{op}"' if op else ''
    return f'<path d="{d}" fill="{fill}"{o}/>'
def S(d, col, w, op=None):
    # stroke-opacity rather than opacity: QtSvg renders element opacity through a layer
    o = f' stroke-opacity="{op}"' if op else ''
    return f'<path d="{d}" fill="none" stroke="{col}" stroke-width="{w}" stroke-linecap="round" stroke-linejoin="round"{o}/>'
def L(d, col, w, ow=1.6):
    return S(d, K, w+ow) + S(d, col, w)
def C(cx,cy,r,fill,sw=0.9):
    st = f' stroke="{K}" stroke-width="{sw}"' if sw else ''
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{fill}"{st}/>'
def E(cx,cy,rx,ry,fill,sw=0.9):
    st = f' stroke="{K}" stroke-width="{sw}"' if sw else ''
    return f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="{fill}"{st}/>'
def Rc(x,y,w,h,fill,sw=0.9):
    st = f' stroke="{K}" stroke-width="{sw}"' if sw else ''
    return f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" fill="{fill}"{st}/>'
def poly(pts):
    return 'M' + ' L'.join(f'{f(x)},{f(y)}' for x,y in pts) + ' Z'
def face(cx,cy,r=5.5, mouth=True):
    s = C(cx,cy,r,FL)
    s += C(cx-1.9,cy-0.5,0.55,K,0) + C(cx+1.9,cy-0.5,0.55,K,0)
    if mouth: s += S(f'M{f(cx-1.2)},{f(cy+2.3)} Q{f(cx)},{f(cy+3)} {f(cx+1.2)},{f(cy+2.3)}', K, 0.6)
    return s
def hand(x,y,r=1.9): return C(x,y,r,FL,0.7)
def hair(cx,cy,r,col,down=7):
    return P(f'M{f(cx-r-1)},{f(cy+down)} C{f(cx-r-2)},{f(cy-2)} {f(cx-r)},{f(cy-r-2)} {f(cx)},{f(cy-r-1.5)} C{f(cx+r)},{f(cy-r-2)} {f(cx+r+2)},{f(cy-2)} {f(cx+r+1)},{f(cy+down)} Z', col, 0.8)
def crown(cx,y,w=13,h=6,fill=Y):
    a=w/2
    return P(poly([(cx-a,y),(cx-a-1,y-h),(cx-a/2,y-h*0.45),(cx,y-h-1),(cx+a/2,y-h*0.45),(cx+a+1,y-h),(cx+a,y)]), fill, 0.8) + \
        C(cx,y-h-1,1,R,0.6)
def tiara(cx,y):
    s = P(f'M{f(cx-6)},{f(y)} Q{f(cx-7)},{f(y-11)} {f(cx)},{f(y-15)} Q{f(cx+7)},{f(y-11)} {f(cx+6)},{f(y)} Z', Y, 0.8)
    for dy,w in ((4,6.3),(8.5,5.6)):
        s += S(f'M{f(cx-w)},{f(y-dy)} Q{f(cx)},{f(y-dy+1.4)} {f(cx+w)},{f(y-dy)}', R, 1.3)
    s += S(f'M{f(cx)},{f(y-15)} V{f(y-18.5)} M{f(cx-1.5)},{f(y-17)} H{f(cx+1.5)}', K, 0.9)
    return s
def hat(cx,y):
    # wide brimmed hat in the shape of a lying eight
    return (P(f'M{f(cx-6)},{f(y)} Q{f(cx-7)},{f(y-9)} {f(cx)},{f(y-9)} Q{f(cx+7)},{f(y-9)} {f(cx+6)},{f(y)} Z', R, 0.8) +
            P(f'M{f(cx)},{f(y)} C{f(cx-6)},{f(y-6)} {f(cx-16)},{f(y-5)} {f(cx-15)},{f(y+1)} C{f(cx-14)},{f(y+5)} {f(cx-6)},{f(y+3)} {f(cx)},{f(y)} '
              f'C{f(cx+6)},{f(y-6)} {f(cx+16)},{f(y-5)} {f(cx+15)},{f(y+1)} C{f(cx+14)},{f(y+5)} {f(cx+6)},{f(y+3)} {f(cx)},{f(y)} Z', Y, 0.8))
def star(cx,cy,r1,r2,n,fill,rot=-90,sw=0.8):
    pts=[]
    for i in range(2*n):
        a=math.radians(rot+i*180/n); r=r1 if i%2==0 else r2
        pts.append((cx+r*math.cos(a), cy+r*math.sin(a)))
    return P(poly(pts), fill, sw)
def ground(y, fill=GL, tufts=()):
    s = P(f'M4,{f(y)} Q25,{f(y-2)} 45,{f(y)} T86,{f(y)} V161 H4 Z', fill)
    for x,yy in tufts:
        s += S(f'M{f(x-2)},{f(yy)} L{f(x-1)},{f(yy-3)} M{f(x)},{f(yy)} L{f(x)},{f(yy-4)} M{f(x+2)},{f(yy)} L{f(x+1)},{f(yy-3)}', GD, 0.7)
    return s
def eagle(ex,ey,col=K):
    return F(f'M{f(ex-6)},{f(ey-2)} Q{f(ex-3)},{f(ey-5)} {f(ex-0.8)},{f(ey-1.5)} L{f(ex-1)},{f(ey-3.5)} L{f(ex+1)},{f(ey-3.5)} L{f(ex+0.8)},{f(ey-1.5)} Q{f(ex+3)},{f(ey-5)} {f(ex+6)},{f(ey-2)} L{f(ex+4)},{f(ey+0.5)} L{f(ex+1.2)},{f(ey+0.5)} L{f(ex+2.2)},{f(ey+4.5)} L{f(ex-2.2)},{f(ey+4.5)} L{f(ex-1.2)},{f(ey+0.5)} L{f(ex-4)},{f(ey+0.5)} Z', col)
def shield(x,y,w=13,h=15):
    return P(f'M{f(x)},{f(y)} H{f(x+w)} V{f(y+h*0.55)} Q{f(x+w)},{f(y+h*0.9)} {f(x+w/2)},{f(y+h)} Q{f(x)},{f(y+h*0.9)} {f(x)},{f(y+h*0.55)} Z', Y) + eagle(x+w/2, y+h*0.42)

# a jug tipped by angle degrees about its centre
def jarre(cx, cy, angle, col):
    corps = (f'M{cx-2},{cy-6} H{cx+2} L{cx+1.5},{cy-3} Q{cx+6},{cy-1} {cx+5},{cy+3} Q{cx},{cy+7} {cx-5},{cy+3} '
             f'Q{cx-6},{cy-1} {cx-1.5},{cy-3} Z')
    return f'<g transform="rotate({angle} {cx} {cy})">' + P(corps, col, 0.8) + S(f'M{cx-2.5},{cy-6} H{cx+2.5}', K, 1) + '</g>'

def wrap(w,h,body):
    return f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n{body}\n</svg>\n'
