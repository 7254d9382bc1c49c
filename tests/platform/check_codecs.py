#!/usr/bin/env python3
"""Cross-checks our text codecs against Python's codecs on a corpus that
covers every byte of Windows-1252, surrogate pairs and broken UTF-8, each
sequence also between runs of ASCII of every length up to two blocks of the
codecs' ASCII fast path, so that it starts and ends at every offset of a
block and of the input."""
import random
import struct
import subprocess
import sys

probe = sys.argv[1]


def run(mode, data):
    return subprocess.run([probe, mode], input=data, stdout=subprocess.PIPE, check=True).stdout


def cp1252_decode(data):
    # Windows maps the five unassigned bytes to the C1 controls of the same value.
    return "".join(bytes([b]).decode("cp1252") if b not in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else chr(b) for b in data)


failures = 0


def check(name, got, expected):
    global failures
    if got != expected:
        failures += 1
        print(f"MISMATCH {name}: got {got[:80]!r} expected {expected[:80]!r}")


every_byte = bytes(range(256))
check("cp1252 decode", run("cp1252-to-utf8", every_byte), cp1252_decode(every_byte).encode("utf-8"))
exact = cp1252_decode(every_byte)
check("cp1252 encode", run("utf8-to-cp1252", exact.encode("utf-8")), every_byte)

rng = random.Random(1252)
samples = ["Łódź", "Ærø", "\U0001F600\U00010000\U0010FFFF", "plain ASCII", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"]
for _ in range(200):
    samples.append("".join(chr(rng.choice([rng.randint(0x20, 0x7E), rng.randint(0xA0, 0x17F),
                                             rng.randint(0x370, 0x3FF), rng.randint(0x10000, 0x10FFFF),
                                             rng.randint(0xE000, 0xFFFD)])) for _ in range(rng.randint(0, 40))))

BLOCK = 16
PADDINGS = range(2 * BLOCK + 2)
ASCII = "".join(map(chr, range(0x20, 0x7F))) + "\x00\x7f\t"


def padding(length, shift):
    return "".join(ASCII[(shift + k) % len(ASCII)] for k in range(length))


def padded(sequences, encoding):
    """Each sequence between ASCII runs of every length, in bytes of the encoding."""
    for index, sequence in enumerate(sequences):
        for before in PADDINGS:
            for after in PADDINGS:
                yield (padding(before, index + after).encode(encoding) + sequence +
                       padding(after, before).encode(encoding))


def run_framed(mode, cases):
    framed = b"".join(struct.pack("<I", len(case)) + case for case in cases)
    output = run("framed-" + mode, framed)
    results = []
    while output:
        (length,) = struct.unpack_from("<I", output)
        results.append(output[4:4 + length])
        output = output[4 + length:]
    return results


def check_framed(name, mode, cases, expected_of):
    cases = list(cases)
    results = run_framed(mode, cases)
    check(name + " case count", len(results), len(cases))
    for case, got in zip(cases, results):
        check(f"{name} {case!r}", got, expected_of(case))
    return len(cases)


utf8_sequences = [
    b"\xc3\xa9", b"\xe2\x82\xac", b"\xf0\x9f\x98\x80", b"\xc2\x80", b"\xdf\xbf", b"\xe0\xa0\x80",
    b"\xef\xbf\xbf", b"\xf0\x90\x80\x80", b"\xf4\x8f\xbf\xbf",                     # valid
    b"\xc0\x80", b"\xc1\xbf", b"\xe0\x80\x80", b"\xe0\x9f\xbf", b"\xf0\x80\x80\x80",
    b"\xf0\x8f\xbf\xbf",                                                               # overlong
    b"\xc3", b"\xe2", b"\xe2\x82", b"\xf0", b"\xf0\x9f", b"\xf0\x9f\x98", b"\xe2\x82\xe2\x82\xac",  # truncated
    b"\xed\xa0\x80", b"\xed\xbf\xbf", b"\xed\xa0\xbd\xed\xb8\x80",                        # surrogates
    b"\xf4\x90\x80\x80", b"\xf5\x80\x80\x80", b"\xf7\xbf\xbf\xbf", b"\xf8\x88\x80\x80\x80",
    b"\xfe", b"\xff",                                                                   # above U+10FFFF
    b"\x80", b"\xbf", b"\x80\xbf\x80", b"\xc3\xc3\xa9",                                  # stray bytes
]
checked = check_framed("utf8", "utf8-to-utf16le", padded(utf8_sequences, "utf-8"),
                       lambda case: case.decode("utf-8", errors="replace").encode("utf-16-le"))

# Units whose high or low byte alone would pass for ASCII, pairs, and lone
# or swapped surrogates.
utf16_sequences = [
    text.encode("utf-16-le") for text in
    ["\u0080", "\u00e9", "\u0141", "\u07ff", "\u0800", "\u4100", "\u20ac", "\uffff", "\U0001F600", "\U0010FFFF"]
] + [b"\x00\xd8", b"\x00\xdc", b"\x00\xdc\x00\xd8", b"\x00\xd8\x00\xd8\x00\xdc", b"\xff\xdb"]
checked += check_framed("utf16", "utf16le-to-utf8", padded(utf16_sequences, "utf-16-le"),
                        lambda case: case.decode("utf-16-le", errors="replace").encode("utf-8"))

exact_byte = {character: byte for byte, character in enumerate(exact)}
high_characters = [cp1252_decode(bytes([byte])) for byte in range(0x80, 0x100)]
checked += check_framed("cp1252 decode", "cp1252-to-utf8",
                        (padding(before, 1).encode() + bytes([byte]) + padding(BLOCK, 2).encode()
                         for byte in range(0x80, 0x100) for before in PADDINGS),
                        lambda case: cp1252_decode(case).encode("utf-8"))
checked += check_framed("cp1252 encode", "utf8-to-cp1252",
                        ((padding(before, 1) + character + padding(BLOCK, 2)).encode("utf-8")
                         for character in high_characters for before in PADDINGS),
                        lambda case: bytes(exact_byte[character] for character in case.decode("utf-8")))

encoded = [text.encode("utf-8") for text in samples]
checked += check_framed("utf8->utf16le", "utf8-to-utf16le", encoded, lambda case: case.decode().encode("utf-16-le"))
checked += check_framed("utf16le->utf8", "utf16le-to-utf8", [text.encode("utf-16-le") for text in samples],
                        lambda case: case.decode("utf-16-le").encode())
checked += check_framed("utf16be->utf8", "utf16be-to-utf8", [text.encode("utf-16-be") for text in samples],
                        lambda case: case.decode("utf-16-be").encode())

print(f"{checked + 2} conversions checked, {failures} mismatches")
sys.exit(1 if failures else 0)
