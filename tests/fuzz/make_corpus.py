#!/usr/bin/env python3
"""Writes the seed corpus from a sample game folder (`vestara-sprite sample-game DIR`).

Each archive seed keeps only a few frames of a sample archive, so that every seed stays a
few kilobytes while still holding real frames: empty rows, skips, long literal runs.
    tests/fuzz/make_corpus.py GAME_DIR
"""
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent


def frames_of(archive):
    count = struct.unpack_from("<I", archive, 6)[0]
    offsets = struct.unpack_from("<%dI" % (count + 1), archive, 10)
    data = 10 + 4 * (count + 1)
    return [archive[data + offsets[i]:data + offsets[i + 1]] for i in range(count)]


def archive_of(frames):
    offsets = [0]
    for frame in frames:
        offsets.append(offsets[-1] + len(frame))
    header = b"EAST0\0" + struct.pack("<I", len(frames)) + struct.pack(
        "<%dI" % len(offsets), *offsets)
    return header + b"".join(frames)


def write(target, name, data):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def main(game):
    data = pathlib.Path(game) / "Data"
    # (archive, frames kept): small and varied frames of every kind of item.
    picks = [("Weapon", [3, 1]), ("Shields", [1, 3]), ("eitem", [1, 2, 3]),
             ("Shoes000", [3, 0]), ("Armor000", [3])]
    for name, keep in picks:
        frames = frames_of((data / (name + ".spr.NCS")).read_bytes())
        archive = archive_of([frames[i] for i in keep])
        write("archive_info_fuzzer", name, archive)
        for index in range(len(keep)):
            write("sprite_frame_fuzzer", "%s-%d" % (name, index),
                  struct.pack("<H", index) + archive)
    # A frame with rows but no row record (every mask bit cleared): it measures 0 wide.
    frame = bytearray(frames_of((data / "Weapon.spr.NCS").read_bytes())[3])
    height = struct.unpack_from("<H", frame, 4)[0]
    frame[6:6 + (height + 7) // 8] = bytes((height + 7) // 8)
    write("sprite_frame_fuzzer", "no-records-0", struct.pack("<H", 0) + archive_of([bytes(frame)]))
    probe = (pathlib.Path(game) / "Char" / "B0000000.spr.NCS").read_bytes()
    write("archive_info_fuzzer", "probe", probe)
    write("sprite_frame_fuzzer", "probe-0", struct.pack("<H", 0) + probe)

    lines = {
        "relative-backslash": b"game\\\r\n",
        "relative-no-separator": b"game\n",
        "dot-segments-slash": b"./sub/../game/\nsecond line\n",
        "drive-default": b"C:\\Program Files\\Vestara\\\r\n",
        "cp932": b"\x95\x5c\\game\\\r\n",
        "utf8": "ゲーム/game\n".encode(),
    }
    for name, line in lines.items():
        write("folder_line_fuzzer", name, line)

    header = b"category,position,label,gender,colour,archive,frame,width,height,file\r\n"
    names = {
        "index-bom": b"\xef\xbb\xbf" + header +
                     "weapon,5,炎の剣,,,Weapon.spr.NCS,3,40,52,weapon/005.png\r\n".encode() +
                     "armor,7,鎧・服 8,male,0,Armor000.spr.NCS,11,,,\r\n".encode(),
        "quoted-lf": b"category,position,label\n"
                     b"ring,3,\"Band, \"\"old\"\"\nof\"\nshield,016,x\nsword,1,y\nsoul,23,z",
        "cp932": b"category,position,label\r\nnecklace,0,\x89\x8a\x82\xcc\x8c\x95\r\n",
        "bad-lines": b"category,position,label\nshoes,1,a\"b\nshoes,2,\"a\"b\nshoes,x,c\n"
                     b"shoes,1\n,,,\n\nshoes,3,\"open\n",
    }
    for name, text in names.items():
        write("item_names_fuzzer", name, text)


if __name__ == "__main__":
    main(sys.argv[1])
