"""Encoders for the image formats the program and the smiles pack use: 24-bit BMP,
32-bit ICO and looping animated GIF. Pixels are lists of (r, g, b) or (r, g, b, a)
tuples in row order, top row first, channels 0..255."""

import struct


def flatten(rgba, background):
    """Composites straight-alpha pixels over a solid background colour."""
    out = []
    for r, g, b, a in rgba:
        t = a / 255.0
        out.append(tuple(round(c * t + bg * (1 - t)) for c, bg in zip((r, g, b), background)))
    return out


def bmp24(width, height, rgb):
    """An uncompressed bottom-up BI_RGB bitmap with rows padded to four bytes."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in rgb[y * width:(y + 1) * width]:
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def ico(images):
    """An icon file from (size, rgba) pairs, each stored as a 32-bit DIB with alpha and an
    AND mask, the form every Windows version since XP reads."""
    blobs = []
    for size, rgba in images:
        xor = bytearray()
        mask = bytearray()
        mask_stride = ((size + 31) // 32) * 4
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_stride)
            for x in range(size):
                r, g, b, a = rgba[y * size + x]
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append((size, info + bytes(xor) + bytes(mask)))
    offset = 6 + 16 * len(blobs)
    head = struct.pack("<HHH", 0, 1, len(blobs))
    entries = b""
    for size, blob in blobs:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return head + entries + b"".join(blob for _, blob in blobs)


def median_cut(histogram, limit):
    """Reduces a {colour: count} histogram to at most `limit` representative colours."""
    boxes = [list(histogram.items())]
    while len(boxes) < limit:
        best, axis, spread = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in box]
                if max(values) - min(values) > spread:
                    best, axis, spread = i, ch, max(values) - min(values)
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][axis])
        total, run, cut = sum(n for _, n in box), 0, 1
        for cut, (_, n) in enumerate(box[:-1], 1):
            run += n
            if run * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return palette


def lzw(indices, min_code_size):
    """GIF flavour of LZW: variable code width from min_code_size + 1 up to 12 bits,
    a clear code at the start and whenever the table is full."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    width, next_code, table = min_code_size + 1, end + 1, {}
    emit(clear, width)
    prefix = indices[0]
    for k in indices[1:]:
        if (prefix, k) in table:
            prefix = table[(prefix, k)]
            continue
        emit(prefix, width)
        table[(prefix, k)] = next_code
        next_code += 1
        if next_code > (1 << width) and width < 12:
            width += 1
        if next_code == 4096:
            emit(clear, width)
            width, next_code, table = min_code_size + 1, end + 1, {}
        prefix = k
    emit(prefix, width)
    emit(end, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(width, height, frames, delays, background=(255, 255, 255), alpha_cut=100):
    """A looping animated GIF. Pixels below alpha_cut become transparent; the rest are
    blended over the background the smiles are meant for, then share one palette."""
    flat, histogram = [], {}
    for rgba in frames:
        rgb = flatten(rgba, background)
        mask = [a >= alpha_cut for *_, a in rgba]
        flat.append((rgb, mask))
        for colour, opaque in zip(rgb, mask):
            if opaque:
                histogram[colour] = histogram.get(colour, 0) + 1
    palette = [background] + median_cut(histogram, 255)
    bits = max(2, (len(palette) - 1).bit_length())
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    nearest = {}

    def index_of(colour):
        if colour not in nearest:
            nearest[colour] = min(range(1, len(palette)), key=lambda i: sum(
                (a - b) ** 2 for a, b in zip(colour, palette[i])))
        return nearest[colour]

    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | (bits - 1), 0, 0)
    data += b"".join(bytes(c) for c in palette)
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    for (rgb, mask), delay in zip(flat, delays):
        # Disposal 2 clears each frame back to transparent before the next one is drawn.
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, (2 << 2) | 1, delay, 0, 0)
        data += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        indices = [index_of(c) if opaque else 0 for c, opaque in zip(rgb, mask)]
        packed = lzw(indices, bits)
        data.append(bits)
        for i in range(0, len(packed), 255):
            chunk = packed[i:i + 255]
            data += bytes((len(chunk),)) + chunk
        data.append(0)
    data.append(0x3B)
    return bytes(data)
