#!/usr/bin/env python3
"""Reads and writes BIG archives from the public BIGF layout, independently
of the editor's code: "BIGF", the archive size (little-endian), the entry
count and the header length (big-endian), then one record per entry: offset
and size (big-endian) and the zero-terminated name.

  big_tool.py list ARCHIVE                  one "name<TAB>offset<TAB>size" line per entry
  big_tool.py extract ARCHIVE FOLDER        each block to FOLDER/<index>.bin
  big_tool.py write ARCHIVE [--big-endian-size] [--zero-offsets] [--gap N] NAME=FILE...
"""
import struct
import sys


def read_entries(data):
    if data[:4] != b"BIGF":
        raise SystemExit("not a BIG archive")
    count, header_length = struct.unpack(">II", data[8:16])
    if header_length > len(data):
        raise SystemExit("header length beyond the file")
    entries, at = [], 16
    for _ in range(count):
        offset, size = struct.unpack(">II", data[at:at + 8])
        end = data.index(b"\0", at + 8)
        entries.append((data[at + 8:end].decode("cp1252"), offset, size))
        at = end + 1
    for name, offset, size in entries:
        if offset + size > len(data):
            raise SystemExit("block of %s beyond the file" % name)
    return entries


def write_archive(path, files, big_endian_size, zero_offsets, gap):
    """Offsets 0 stand for "right after the directory" (first record) and
    "behind the previous entry" (later ones); blocks then follow the records
    directly. Otherwise each block follows gap zero bytes."""
    names = [name.encode("cp1252") for name, _ in files]
    header_length = 16 + sum(9 + len(n) for n in names) + 3
    spacing = 0 if zero_offsets else gap
    position = header_length - 3 if zero_offsets else header_length + gap
    records, blocks = b"", b""
    for name, (_, content) in zip(names, files):
        records += struct.pack(">II", 0 if zero_offsets else position, len(content)) + name + b"\0"
        blocks += content + b"\0" * spacing
        position += len(content) + spacing
    body = records + (b"" if zero_offsets else b"\0" * (3 + gap)) + blocks
    size = 16 + len(body)
    head = b"BIGF" + struct.pack(">I" if big_endian_size else "<I", size)
    with open(path, "wb") as out:
        out.write(head + struct.pack(">II", len(files), header_length) + body)


def main(args):
    command, archive = args[0], args[1]
    if command == "write":
        flags = [a for a in args[2:] if a.startswith("--")]
        gap = int(args[args.index("--gap") + 1]) if "--gap" in args else 0
        pairs = [a.split("=", 1) for a in args[2:] if "=" in a]
        files = [(name, open(source, "rb").read()) for name, source in pairs]
        write_archive(archive, files, "--big-endian-size" in flags, "--zero-offsets" in flags, gap)
        return
    data = open(archive, "rb").read()
    for index, (name, offset, size) in enumerate(read_entries(data)):
        if command == "list":
            print("%s\t%d\t%d" % (name, offset, size))
        else:
            with open("%s/%d.bin" % (args[2], index), "wb") as out:
                out.write(data[offset:offset + size])


if __name__ == "__main__":
    main(sys.argv[1:])
