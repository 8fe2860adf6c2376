#!/usr/bin/env python3
"""Writes small sprite sheets with their atlases and single pictures, for trying the checker.

    tests/engines/make_fixture_sheets.py OUT_DIR [--fault wrong-pixel|missing-frame]

OUT_DIR/sheets gets two sheets (`<name>.png` + `<name>.json`), OUT_DIR/singles one PNG per
frame key. Pictures of odd sizes have alpha 0 or 255 only; the space between frames is opaque
magenta, so a frame rectangle that is off by one pixel reads a wrong pixel. A fault makes the
check fail on purpose, in the last sheet only: each single there gets one wrong pixel (a
transparent one made opaque, or an opaque colour off by one), or its first frame is left out of
the atlas while its single stays.
"""
import argparse
import json
import pathlib
import struct
import zlib

PADDING = (255, 0, 255, 255)
SHEETS = {
    "weapon": [("weapon/012", 98, 98), ("weapon/013", 1, 1), ("Weapon/102", 17, 40)],
    "armor-female-3": [("armor-female-3/007", 33, 5), ("armor-female-3/010", 12, 64)],
}


def png(width, height, pixels):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b"".join(b"\0" + bytes(v for p in pixels[y * width:(y + 1) * width] for v in p)
                    for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def picture(seed, width, height):
    """A pattern that differs in every frame and leaves about a third of it transparent."""
    pixels = []
    for y in range(height):
        for x in range(width):
            value = (x * 7 + y * 13 + seed * 31) % 256
            transparent = (x + 2 * y + seed) % 3 == 0
            # Transparent pixels keep a colour: engines may drop it, the check must not care.
            pixels.append((value, 255 - value, (value * 5) % 256, 0 if transparent else 255))
    return pixels


def with_wrong_pixel(pixels, in_alpha):
    """The first frame turns a transparent pixel opaque, the others change one opaque colour."""
    pixels = list(pixels)
    alpha = 0 if in_alpha else 255
    at = max(i for i, pixel in enumerate(pixels) if pixel[3] == alpha)
    red, green, blue, _ = pixels[at]
    pixels[at] = (red, green, blue, 255) if in_alpha else (red ^ 1, green, blue, 255)
    return pixels


def frame_entry(x, y, width, height):
    return {"frame": {"x": x, "y": y, "w": width, "h": height}, "rotated": False,
            "trimmed": False,
            "spriteSourceSize": {"x": 0, "y": 0, "w": width, "h": height},
            "sourceSize": {"w": width, "h": height}, "vestara": {"fixture": True}}


def write_sheet(name, frames, sheets_dir, singles_dir, seed, fault):
    sheet_width = 1 + sum(width + 1 for _, width, _ in frames)
    sheet_height = 2 + max(height for _, _, height in frames)
    sheet = [PADDING] * (sheet_width * sheet_height)
    atlas = {}
    x = 1
    for index, (key, width, height) in enumerate(frames):
        pixels = picture(seed + index, width, height)
        for row in range(height):
            start = (1 + row) * sheet_width + x
            sheet[start:start + width] = pixels[row * width:(row + 1) * width]
        single = singles_dir / (key + ".png")
        single.parent.mkdir(parents=True, exist_ok=True)
        if fault == "wrong-pixel":
            pixels = with_wrong_pixel(pixels, index == 0)
        single.write_bytes(png(width, height, pixels))
        if not (fault == "missing-frame" and index == 0):
            atlas[key] = frame_entry(x, 1, width, height)
        x += width + 1
    (sheets_dir / (name + ".png")).write_bytes(png(sheet_width, sheet_height, sheet))
    meta = {"app": "vestara-sprite", "version": "1.0.0", "image": name + ".png",
            "format": "RGBA8888", "size": {"w": sheet_width, "h": sheet_height}, "scale": "1"}
    (sheets_dir / (name + ".json")).write_text(json.dumps({"frames": atlas, "meta": meta}))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out_dir", type=pathlib.Path)
    parser.add_argument("--fault", choices=["wrong-pixel", "missing-frame"])
    args = parser.parse_args()
    sheets_dir, singles_dir = args.out_dir / "sheets", args.out_dir / "singles"
    sheets_dir.mkdir(parents=True, exist_ok=True)
    singles_dir.mkdir(parents=True, exist_ok=True)
    for seed, (name, frames) in enumerate(SHEETS.items()):
        # Only the last sheet carries the fault, so a checker that stops early misses it.
        fault = args.fault if seed == len(SHEETS) - 1 else None
        write_sheet(name, frames, sheets_dir, singles_dir, seed * 10, fault)


if __name__ == "__main__":
    main()
