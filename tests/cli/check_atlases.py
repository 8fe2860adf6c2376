#!/usr/bin/env python3
"""Checks every atlas (*.json) in a folder of sprite sheets against the JSON Hash layout:
each frame with exactly frame, rotated (false), trimmed (false), spriteSourceSize, sourceSize
and our own fields under vestara; the frames inside the sheet and apart; meta with app,
version, image, format, size and scale "1"; the image there, a PNG of that size.
Usage: check_atlases.py FOLDER [EXPECTED_FRAME_COUNT]"""
import json
import pathlib
import struct
import sys

FRAME_KEYS = {"frame", "rotated", "trimmed", "spriteSourceSize", "sourceSize", "vestara"}
META_KEYS = {"app", "version", "image", "format", "size", "scale"}


def fail(message):
    sys.exit(f"check_atlases: {message}")


def png_size(path):
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        fail(f"{path} is no PNG")
    return struct.unpack(">II", data[16:24])


def check_atlas(path):
    atlas = json.loads(path.read_text(encoding="utf-8"))
    meta = atlas["meta"]
    if not META_KEYS <= meta.keys() or meta["scale"] != "1" or meta["app"] != "vestara-sprite":
        fail(f"{path}: meta {meta}")
    width, height = meta["size"]["w"], meta["size"]["h"]
    if png_size(path.parent / meta["image"]) != (width, height):
        fail(f"{path}: {meta['image']} is not {width} x {height}")
    rectangles = []
    for key, frame in atlas["frames"].items():
        rect = frame["frame"]
        x, y, w, h = rect["x"], rect["y"], rect["w"], rect["h"]
        if (frame.keys() != FRAME_KEYS or frame["rotated"] is not False
                or frame["trimmed"] is not False
                or frame["spriteSourceSize"] != {"x": 0, "y": 0, "w": w, "h": h}
                or frame["sourceSize"] != {"w": w, "h": h} or not frame["vestara"]):
            fail(f"{path}: frame {key}: {frame}")
        if x < 1 or y < 1 or x + w + 1 > width or y + h + 1 > height:
            fail(f"{path}: frame {key} lies outside the sheet and its padding")
        rectangles.append((key, x - 1, y - 1, x + w + 1, y + h + 1))
    rectangles.sort(key=lambda r: r[1])
    for i, (key, left, top, right, bottom) in enumerate(rectangles):
        for other, l2, t2, r2, b2 in rectangles[i + 1:]:
            if l2 >= right:
                break
            if t2 < bottom and top < b2:
                fail(f"{path}: frames {key} and {other} overlap with their padding")
    return len(rectangles)


def main():
    folder = pathlib.Path(sys.argv[1])
    count = sum(check_atlas(path) for path in sorted(folder.glob("*.json")))
    if len(sys.argv) > 2 and count != int(sys.argv[2]):
        fail(f"{count} frames in {folder}, not {sys.argv[2]}")
    print(f"check_atlases: {count} frames in {folder}")


main()
