#!/usr/bin/env python3
"""Writes the benchmark's large pack and a QIP 2005 folder to install it into.

    make_pack.py FOLDER [SMILES] [SKINS]

FOLDER/Source SMP is a "fulllite" pack with SMILES animated (.gif) and SMILES static (.bmp)
smiles of a few KB each (2000 by default), their _define.ini lists, and a Lite Dark folder
per kind with the lite list and DeleteLite.ini. FOLDER/QIP 2005 holds SKINS skins (5 by
default), each with empty Smilies\\Animated and Smilies\\Static folders. An earlier FOLDER is
replaced.

A copy never looks inside a smile, so each image is its format's signature followed by
random bytes; the sizes vary from 2 to 6 KB.
"""

import random
import shutil
import sys
from pathlib import Path

LITE_SHARE = 0.9  # the lite set leaves out every tenth smile


def write_lines(path, lines):
    """Pack files are text in the ANSI code page with CR LF after every line."""
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("ascii"))


def smile_bytes(rng, signature):
    return signature + rng.randbytes(rng.randint(2048, 6144) - len(signature))


def write_kind(pack, rng, kind, ext, signature, smiles):
    full = pack / f"{kind} Single Full Light"
    lite = pack / f"{kind} Lite Dark"
    full.mkdir(parents=True)
    lite.mkdir()
    names = [f"smile{n:04d}" for n in range(smiles)]
    for name in names:
        (full / (name + ext)).write_bytes(smile_bytes(rng, signature))
    # One line per smile: its file and the text that stands for it.
    write_lines(full / "_define.ini", [f"{name}{ext},:{name}:" for name in names])
    left_out = names[::10]
    kept = [name for name in names if name not in set(left_out)]
    write_lines(lite / "_define.ini", [f"{name}{ext},:{name}:" for name in kept])
    write_lines(lite / "DeleteLite.ini", left_out)
    return len(kept)


def main():
    if not 2 <= len(sys.argv) <= 4:
        sys.exit(__doc__)
    top = Path(sys.argv[1])
    smiles = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    skins = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    shutil.rmtree(top, ignore_errors=True)
    rng = random.Random(2026)
    pack = top / "Source SMP"
    lite = write_kind(pack, rng, "Animated", ".gif", b"GIF89a", smiles)
    write_kind(pack, rng, "Static", ".bmp", b"BM", smiles)
    # SMP.ini: name, tag, pagers, type, web page, e-mail, agreement, the four counts, kinds,
    # information page, date, title over the logo. No web page, e-mail or aboutSP.ini: the
    # wizard passes over the about-pack page.
    write_lines(pack / "SMP.ini", [
        "// The installation benchmark's pack.",
        "Velmora Benchmark 1.0", "smilespack", "all", "fulllite", "", "", "no",
        str(smiles), str(lite), str(smiles), str(lite), "all", "On", "01.12.2026", "off"])
    for n in range(1, skins + 1):
        for kind in ("Animated", "Static"):
            (top / "QIP 2005" / "Skins" / f"Skin {n}" / "Smilies" / kind).mkdir(parents=True)


if __name__ == "__main__":
    main()
