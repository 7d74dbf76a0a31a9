#!/usr/bin/env python3
"""Writes every SVG picture of the program into ui/art/.

The SVG files are the sources the build compiles in; this script is how they were drawn. Run it
after changing a scene, the frame or the palette, then look at <build>/planche.png.
    python3 ui/art/dessin/dessiner.py
"""
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ICI)
sys.dont_write_bytecode = True  # keep the source tree free of caches

import arcanes1
import arcanes2
import arcanes3
import emblemes
from cadre import carte

SCENES = {1: arcanes1.bateleur, 2: arcanes1.papesse, 3: arcanes1.imperatrice, 4: arcanes1.empereur,
          5: arcanes1.pape, 6: arcanes1.amoureux}
SCENES.update(arcanes2.CARTES)
SCENES.update(arcanes3.CARTES)


def main():
    sortie = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(ICI)
    for n, scene in sorted(SCENES.items()):
        with open(os.path.join(sortie, f'Image{n}.svg'), 'w') as fichier:
            fichier.write(carte(n, scene()))
    for nom, contenu in emblemes.TOUT().items():
        with open(os.path.join(sortie, f'{nom}.svg'), 'w') as fichier:
            fichier.write(contenu)


if __name__ == '__main__':
    main()
