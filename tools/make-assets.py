#!/usr/bin/env python3
"""Writes the program's pictures (header bitmap, icons), the sample smiles pack in
examples/Source SMP and the demo messenger folders in examples/demo.

Usage: python3 tools/make-assets.py     (standard library only; output is deterministic)
"""

import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from assetlib import formats  # noqa: E402
from assetlib.faces import draw_face  # noqa: E402
from assetlib.raster import Canvas, composite, mix  # noqa: E402
from assetlib.smiles import LITE_OMITS, SMILES  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
PACK = ROOT / "examples" / "Source SMP"
DEMO = ROOT / "examples" / "demo"

PACK_NAME = "Velmora Sunny Smiles 1.0"
PACK_DATE = "01.12.2026"
OLD_VERSIONS = [("Velmora Sunny Smiles 0.9", "15.06.2026"),
                ("Velmora Sunny Smiles 0.8", "20.02.2026")]
RECORD_NAME = "Smile`s_version.txt"
SMILE_SIZE = 20
WHITE = (255, 255, 255)


# ----------------------------------------------------------------------------- files

def write_bytes(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def write_text(path, lines):
    """Pack and messenger text files: Windows code page 1251, CR LF after every line."""
    write_bytes(path, "".join(line + "\r\n" for line in lines).encode("cp1251"))


def clear_images(folder):
    """Removes the images an earlier run wrote, so that renamed smiles leave nothing behind."""
    if folder.is_dir():
        for item in folder.iterdir():
            if item.suffix.lower() in (".gif", ".bmp"):
                item.unlink()


# ----------------------------------------------------------------------------- drawing

def render_face(size, parts, pad=0):
    cv = Canvas(size, size)
    draw_face(cv, size / 2, size / 2, size / 2 - 0.6 - pad, parts)
    return cv.pixels()


def smile_frames(smile, colour=None):
    frames = []
    for change, _ in smile["frames"]:
        parts = dict(smile["face"], **change)
        if colour:
            parts["color"] = colour
        frames.append(render_face(SMILE_SIZE, parts))
    return frames


def write_smile(folder, smile, animated, colour=None):
    frames = smile_frames(smile, colour)
    if animated:
        delays = [delay for _, delay in smile["frames"]]
        data = formats.gif(SMILE_SIZE, SMILE_SIZE, frames, delays)
        write_bytes(folder / (smile["name"] + ".gif"), data)
    else:
        rgb = formats.flatten(frames[0], WHITE)
        write_bytes(folder / (smile["name"] + ".bmp"), formats.bmp24(SMILE_SIZE, SMILE_SIZE, rgb))


def define_lines(smiles, ext):
    """One line per smile in the messenger's list: file name, then its text codes."""
    return [",".join([s["name"] + ext] + s["codes"]) for s in smiles]


FONT = {  # 5 x 8 pixel glyphs, row 7 is the descender
    "V": "#...# #...# #...# #...# .#.#. .#.#. ..#.. .....",
    "S": ".###. #...# #.... .###. ....# #...# .###. .....",
    "a": "..... ..... .###. ....# .#### #...# .#### .....",
    "e": "..... ..... .###. #...# ##### #.... .###. .....",
    "i": "..#.. ..... .##.. ..#.. ..#.. ..#.. .###. .....",
    "l": ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###. .....",
    "m": "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.# .....",
    "n": "..... ..... #.##. ##..# #...# #...# #...# .....",
    "o": "..... ..... .###. #...# #...# #...# .###. .....",
    "r": "..... ..... #.##. ##..# #.... #.... #.... .....",
    "s": "..... ..... .#### #.... .###. ....# ####. .....",
    "u": "..... ..... #...# #...# #...# #..## .##.# .....",
    "y": "..... ..... #...# #...# #...# .#### ....# .###.",
    " ": "..... ..... ..... ..... ..... ..... ..... .....",
}


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def draw_text(image, width, text, left, top, scale, colour, alpha=1.0):
    for n, ch in enumerate(text):
        for row, bits in enumerate(FONT[ch].split()):
            for col, bit in enumerate(bits):
                if bit != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        k = (top + row * scale + dy) * width + left + (n * 6 + col) * scale + dx
                        image[k] = mix(image[k], colour, alpha)


def banner(left_colour, right_colour, faces, glow):
    """A 495 x 90 picture: a horizontal gradient, soft light spots and smiley faces. The
    middle band (x 177..405, y 20..44) stays plain because the pack title sits there."""
    width, height = 495, 90
    image = []
    for y in range(height):
        for x in range(width):
            image.append(mix(left_colour, right_colour, x / (width - 1)))
    for gx, gy, gr in glow:
        for y in range(max(0, gy - gr), min(height, gy + gr)):
            for x in range(max(0, gx - gr), min(width, gx + gr)):
                d = ((x - gx) ** 2 + (y - gy) ** 2) ** 0.5 / gr
                if d < 1:
                    k = y * width + x
                    image[k] = mix(image[k], WHITE, 0.35 * (1 - d * d))
    for cx, cy, r, parts in faces:
        size = 2 * r + 4
        tile = render_face(size, parts, pad=1.4)
        composite(image, width, tile, size, cx - size // 2, cy - size // 2)
    return width, height, image


def pose(name, **change):
    smile = next(s for s in SMILES if s["name"] == name)
    return dict(smile["face"], scale=1.0, oy=0.0, dx=0.0, **change)


def header_bitmap():
    width, height, image = banner(
        (176, 212, 246), (252, 253, 255),
        [(48, 46, 30, pose("smile")), (111, 57, 18, pose("wink", eyes=("dots", "happy"))),
         (154, 26, 11, pose("laugh")), (438, 41, 21, pose("grin")),
         (477, 20, 10, pose("tongue"))],
        [(30, 20, 40), (150, 75, 30), (460, 70, 30)])
    for x in range(width):  # a thin rule along the bottom edge
        image[(height - 1) * width + x] = mix(image[(height - 1) * width + x], (120, 164, 222), 0.8)
    left = width - text_width("Velmora", 1) - 6
    draw_text(image, width, "Velmora", left, 80, 1, (52, 86, 140), 0.85)
    return formats.bmp24(width, height, [tuple(round(c) for c in px) for px in image])


def pack_logo():
    width, height, image = banner(
        (255, 222, 120), (255, 170, 84),
        [(58, 45, 32, pose("laugh")), (128, 60, 16, pose("wow")),
         (430, 44, 22, pose("kiss", eyes="happy")), (474, 66, 12, pose("smile"))],
        [(58, 45, 44), (250, 70, 30), (470, 20, 26)])
    label, left = "Sunny Smiles", 291 - text_width("Sunny Smiles", 2) // 2
    draw_text(image, width, label, left + 1, 53, 2, (255, 246, 220), 0.6)
    draw_text(image, width, label, left, 52, 2, (150, 66, 16), 0.9)
    return formats.bmp24(width, height, [tuple(round(c) for c in px) for px in image])


def icon(parts):
    return formats.ico([(size, render_face(size, parts)) for size in (16, 32, 48)])


# ----------------------------------------------------------------------------- the pack

SMP_INI = [
    "// Smiles pack description: one value per line, in this order (empty lines count too):",
    "// 1 name and version, 2 smilespack, 3 pagers (all/qip/qip2005/qipinf), 4 pack type,",
    "// 5 author's web page, 6 author's e-mail, 7 agreement required (yes/no),",
    "// 8..11 numbers of smiles: animated full, animated lite, static full, static lite,",
    "// 12 kinds (all/anim/static), 13 pack information page (Off hides it), 14 creation date,",
    "// 15 pack title over the logo (on/off).",
    PACK_NAME, "smilespack", "all", "fulllite", "https://velmora.example/packs",
    "packs@velmora.example", "yes", "{full}", "{lite}", "{full}", "{lite}", "all", "On", PACK_DATE,
    "off",
]

ABOUT_RU = """Смайл-пак "Velmora Sunny Smiles 1.0"

Этот набор смайлов бесплатен для личного некоммерческого использования.

Вы можете:
 - устанавливать смайлы в QIP 2005 и QIP Infium на любом количестве своих компьютеров;
 - передавать друзьям установщик без изменений.

Нельзя:
 - продавать смайлы или включать их в платные продукты;
 - выдавать рисунки за свои.

Смайлы предоставляются "как есть", без каких-либо гарантий.
Пожелания и вопросы: packs@velmora.example

Чтобы продолжить установку, подтвердите, что согласны с этими условиями."""

ABOUT_EN = """Smiles pack "Velmora Sunny Smiles 1.0"

This smiles pack is free for personal, non-commercial use.

You may:
 - install the smiles into QIP 2005 and QIP Infium on any number of your own computers;
 - pass the unchanged installer on to your friends.

You may not:
 - sell the smiles or bundle them with paid products;
 - present the pictures as your own work.

The smiles are provided "as is", without warranty of any kind.
Wishes and questions: packs@velmora.example

To go on with the installation, please confirm that you accept these terms."""

LITE_RU = """Полная версия: все {full} смайлов набора.
Легкая версия: {lite} самых нужных смайлов, без редких ({omits}); меню смайлов короче и удобнее."""

LITE_EN = """Full version: all {full} smiles of the pack.
Lite version: the {lite} everyday smiles without the rare ones ({omits}); a shorter smiles menu."""

OMIT_WORDS_RU = {"sick": "болею", "dizzy": "голова кругом", "yawn": "зеваю", "bored": "скучно",
                 "evilgrin": "злорадство", "crazy": "дурачусь"}


def per_language(sections):
    """The per-language layout: declared languages, "List: end", then one section each."""
    lines = ["// Declared languages, then one section per language."]
    lines += [name for name, _ in sections] + ["List: end"]
    for name, text in sections:
        lines += ["Language: " + name] + text.split("\n") + ["Language: End"]
    return lines


def write_pack():
    full = SMILES
    lite = [s for s in SMILES if s["name"] not in LITE_OMITS]
    counts = {"full": str(len(full)), "lite": str(len(lite))}
    write_text(PACK / "SMP.ini", [line.format(**counts) for line in SMP_INI])
    write_text(PACK / "aboutSP.ini", per_language([("Russian", ABOUT_RU), ("English", ABOUT_EN)]))
    omits_ru = ", ".join(OMIT_WORDS_RU[name] for name in LITE_OMITS)
    write_text(PACK / "LiteStr.ini", per_language([
        ("Russian", LITE_RU.format(omits=omits_ru, **counts)),
        ("English", LITE_EN.format(omits=", ".join(LITE_OMITS), **counts))]))
    old = ["// Earlier versions of this pack that may be removed from QIP Infium:",
           "// name and version, variant (full or lite), creation date."]
    old += [f"{name} {variant} {date}" for name, date in OLD_VERSIONS
            for variant in ("full", "lite")]
    write_text(PACK / "Old_Version_for_Erase.ini", old)
    write_bytes(PACK / "LogoSmp.bmp", pack_logo())

    for kind, ext, animated in (("Animated", ".gif", True), ("Static", ".bmp", False)):
        folder = PACK / f"{kind} Single Full Light"
        clear_images(folder)
        for smile in full:
            write_smile(folder, smile, animated)
        write_text(folder / "_define.ini", define_lines(full, ext))
        # The lite version is made at installation from the full images less those named in
        # DeleteLite.ini, so the lite folders hold no images: only the shorter list and the
        # names to leave out.
        lite_folder = PACK / f"{kind} Lite Dark"
        clear_images(lite_folder)
        write_text(lite_folder / "_define.ini", define_lines(lite, ext))
        write_text(lite_folder / "DeleteLite.ini", LITE_OMITS)


# ----------------------------------------------------------------------------- demo messengers

OLD_LOOK = (236, 220, 150)  # the faded look of smiles from an older install


def write_smile_folder(folder, smiles, animated, colour):
    clear_images(folder)
    for smile in smiles:
        write_smile(folder, smile, animated, colour)
    write_text(folder / "_define.ini", define_lines(smiles, ".gif" if animated else ".bmp"))


def write_record(folder, identity, count, kind):
    write_text(folder / RECORD_NAME, ["", identity, "Amount of smiles:", str(count),
                                      "Type of smiles:", kind])


def write_demo():
    by_name = {s["name"]: s for s in SMILES}
    skins = {"Morning Mist": ["smile", "sad", "wink"],
             "Graphite Night": ["smile", "grin", "neutral"],
             "Green Meadow": ["smile", "tongue", "cool"]}
    for skin, names in skins.items():
        smilies = DEMO / "QIP 2005" / "Skins" / skin / "Smilies"
        for kind, animated in (("Animated", True), ("Static", False)):
            write_smile_folder(smilies / kind, [by_name[n] for n in names], animated, OLD_LOOK)

    # QIP Infium with version 0.9 of the pack installed, next to a set of its own.
    smilies = DEMO / "QIP Infium" / "Smilies"
    name, date = OLD_VERSIONS[0]
    variants = {"full": ["smile", "grin", "wink", "sad"], "lite": ["smile", "grin", "wink"]}
    for variant, names in variants.items():
        for suffix, kind, animated in (("", "Animated", True), (" Static", "Static", False)):
            folder = smilies / f"{name} {variant}{suffix}"
            write_smile_folder(folder, [by_name[n] for n in names], animated, OLD_LOOK)
            write_record(folder, f"{name} {variant} {date}", len(names), kind)
    write_smile_folder(smilies / "Classic", [by_name[n] for n in ("smile", "sad", "surprised")],
                       True, (250, 236, 110))


def main():
    write_bytes(ROOT / "resources" / "bgimage.bmp", header_bitmap())
    write_bytes(ROOT / "resources" / "velmora.ico", icon(pose("smile")))
    winking = pose("wink", eyes=("dots", "happy"), color=(255, 164, 64))
    write_bytes(ROOT / "resources" / "velmora2.ico", icon(winking))
    write_pack()
    write_demo()


if __name__ == "__main__":
    main()
