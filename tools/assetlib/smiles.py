"""The smiles of the sample pack: file name, text codes, the face, and its animation as
a list of (changes, delay in hundredths of a second) frames."""

YELLOW = (255, 212, 60)
ORANGE = (255, 164, 64)
GREEN = (150, 214, 90)
BLUE = (120, 184, 244)
PINK = (250, 152, 190)
LILAC = (186, 156, 232)
RED = (236, 96, 76)
TEAL = (86, 204, 190)
PEACH = (255, 204, 150)


def smile(name, codes, colour, frames, **face):
    face["color"] = colour
    return {"name": name, "codes": codes.split(), "face": face, "frames": frames}


SMILES = [
    smile("smile", ":-) :)", YELLOW, [({}, 250), ({"eyes": "closed"}, 15)]),
    smile("grin", ":-D :D", ORANGE, [({}, 40), ({"dy": -0.08, "size": 0.75}, 40)],
          mouth="grin", scale=0.94),
    smile("wink", ";-) ;)", YELLOW, [({}, 120), ({"eyes": ("dots", "happy")}, 70)]),
    smile("sad", ":-( :(", BLUE, [({}, 150), ({"look": (0, 0.08), "brows": "sad"}, 100)],
          mouth="frown"),
    smile("tongue", ":-P :P", GREEN, [({"wag": -0.1}, 25), ({"wag": 0.1}, 25)], mouth="tongue"),
    smile("surprised", ":-O :O", PEACH, [({"size": 0.7}, 60), ({"size": 1.15}, 60)],
          eyes="big", mouth="o"),
    smile("cool", "B-) 8-)", TEAL, [({"shades": -0.5}, 150), ({"shades": 0.0}, 8),
                                    ({"shades": 0.5}, 8)], shades=-0.5),
    smile("angry", ">:( X-(", RED,
          [({"dx": -0.05}, 10), ({"dx": 0.05, "color": (210, 60, 50)}, 10)],
          brows="angry", mouth="frown", scale=0.93),
    smile("cry", ":'( ;-(", BLUE,
          [({"tear": -0.05}, 30), ({"tear": 0.25}, 30), ({"tear": 0.55}, 30)],
          eyes="closed", mouth="frown", brows="sad"),
    smile("kiss", ":-* :*", PINK, [({}, 80), ({"heart": 0.6}, 30), ({"heart": 0.9}, 60)],
          eyes=("dots", "happy"), mouth="kiss", scale=0.85, oy=0.12),
    smile("inlove", "*LOVE* *IN_LOVE*", PINK, [({"pulse": 0.85}, 35), ({"pulse": 1.15}, 35)],
          eyes="hearts", mouth="grin"),
    smile("sleep", "|-) *SLEEP*", LILAC, [({"zzz": 1}, 50), ({"zzz": 2}, 50), ({"zzz": 3}, 80)],
          eyes="closed", mouth="small", scale=0.8, oy=0.17, dx=-0.17),
    smile("blush", ":-[ :[", YELLOW, [({"blush": 0.3}, 60), ({"blush": 0.85}, 90)],
          mouth="small", look=(0, 0.06)),
    smile("confused", ":-/ :/", ORANGE, [({"tilt": 1, "look": (-0.06, -0.04)}, 70),
                                         ({"tilt": -1, "look": (0.06, -0.04)}, 70)],
          mouth="slant"),
    smile("neutral", ":-| :|", PEACH, [({"look": (-0.07, 0)}, 90), ({"look": (0.07, 0)}, 90)],
          mouth="flat"),
    smile("laugh", "XD xD", YELLOW, [({}, 18), ({"dy": -0.1, "size": 0.8}, 18)],
          eyes="happy", mouth="grin", scale=0.9),
    smile("devil", "]:-> >:-]", LILAC, [({}, 80), ({"color": (156, 110, 220)}, 30)],
          horns=True, brows="angry", mouth="smirk", scale=0.82, oy=0.14),
    smile("angel", "O:-) 0:-)", YELLOW, [({"halo": 0.0}, 40), ({"halo": -0.1}, 40)],
          mouth="smile", scale=0.78, oy=0.2, halo=0.0),
    smile("sick", ":-! *SICK*", GREEN, [({}, 60), ({"color": (186, 220, 100)}, 60)],
          mouth="wavy", eyes="closed"),
    smile("nerd", "8-| :-B", PEACH, [({}, 200), ({"eyes": "closed"}, 15)],
          eyes="glasses", mouth="smile"),
    smile("sweat", "^^' *PHEW*", YELLOW, [({"sweat": -0.6}, 40), ({"sweat": -0.3}, 30),
                                         ({"sweat": 0.0}, 30)],
          eyes="happy", mouth="smile"),
    smile("shocked", "8-O =-O", BLUE, [({"dx": -0.04}, 8), ({"dx": 0.04}, 8)],
          eyes="big", mouth="o", size=1.2, scale=0.95),
    smile("thinking", ":-? *HMM*", TEAL, [({"dots": 1}, 40), ({"dots": 2}, 40), ({"dots": 3}, 70)],
          mouth="slant", look=(0.05, -0.06), scale=0.8, oy=0.19, dx=-0.1),
    smile("yes", "*YES* *OK*", GREEN, [({"dy": -0.08}, 20), ({"dy": 0.08, "look": (0, 0.06)}, 20)],
          mouth="smile", scale=0.9),
    smile("no", "*NO* *NOPE*", ORANGE, [({"dx": -0.09}, 20), ({"dx": 0.09}, 20)],
          mouth="frown", scale=0.88),
    smile("clown", ":o) *CLOWN*", PEACH, [({"nose": 1.0}, 50), ({"nose": 1.35}, 25)],
          mouth="grin"),
    smile("dizzy", "%-) *DIZZY*", LILAC,
          [({"turn": 0.0}, 15), ({"turn": 2.1}, 15), ({"turn": 4.2}, 15)],
          eyes="spiral", mouth="wavy"),
    smile("party", "*PARTY* <:-)", ORANGE,
          [({"hat": 0.0, "confetti": [((-0.95, -0.9), (240, 60, 90)),
                                      ((0.8, 0.75), (60, 170, 240))]}, 30),
           ({"hat": 0.06, "confetti": [((-0.9, 0.7), (80, 200, 90)),
                                       ((0.75, -0.3), (250, 190, 30))]}, 30)],
          mouth="grin", scale=0.78, oy=0.2),
    smile("music", "*MUSIC* *LALA*", TEAL, [({"note": -0.1}, 35), ({"note": -0.35}, 35)],
          eyes="closed", mouth="whistle", scale=0.85, dx=-0.13),
    smile("wow", "*WOW* *STAR*", YELLOW, [({"turn": 0.0, "pulse": 1.0}, 30),
                                         ({"turn": 0.3, "pulse": 1.2}, 30)],
          eyes="stars", mouth="grin"),
    smile("yawn", "|-O *YAWN*", PEACH,
          [({"size": 0.6}, 60), ({"size": 1.1}, 40), ({"size": 1.4}, 80)],
          eyes="closed", mouth="o", brows="sad"),
    smile("bored", "*BORED* :-\\", BLUE,
          [({"look": (0.0, -0.09)}, 80), ({"look": (0.08, -0.05)}, 50)],
          eyes="big", mouth="flat"),
    smile("shy", "*SHY* :-$", PINK, [({"look": (0.05, 0.08)}, 100), ({"eyes": "closed"}, 40)],
          mouth="small", blush=0.7),
    smile("evilgrin", ">:-) *EVIL*", RED, [({}, 70), ({"size": 0.7}, 40)],
          brows="angry", mouth="grin"),
    smile("crazy", "*CRAZY* :-Q", ORANGE, [({"wag": -0.12, "eyes": ("big", "happy")}, 20),
                                          ({"wag": 0.12, "eyes": ("happy", "big")}, 20)],
          mouth="tongue"),
    smile("heart", "<3 *HEART*", YELLOW, [({"heart": 0.7}, 40), ({"heart": 1.0}, 40)],
          mouth="smile", eyes="happy", scale=0.85, oy=0.12),
]

# Smiles that the lite version of the pack leaves out.
LITE_OMITS = ["sick", "dizzy", "yawn", "bored", "evilgrin", "crazy"]
