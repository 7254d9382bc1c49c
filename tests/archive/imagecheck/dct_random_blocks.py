#!/usr/bin/python3
"""Random 8 x 8 blocks and their exact DCT from scipy: the golden file that
the encoder's test compares its coefficients with.

  dct_random_blocks.py make FILE    writes the blocks and their coefficients
  dct_random_blocks.py check FILE   exits non-zero unless every coefficient
                                    of FILE is scipy's for its block

Each block is two lines: 64 samples, then the 64 values of
dctn(block, norm="ortho") / 8 (the T.81 transform divided by 8) in row
order. The samples come from a fixed linear congruential generator, so the
blocks do not depend on numpy's random streams: whole values 0..255 in the
first half of the blocks, quarters from -128 to 127.75 (as the colour
conversion gives them) in the second.
"""
import sys

import numpy
from scipy import fft

BLOCKS = 48


def samples():
    state = 20070703
    blocks = []
    for b in range(BLOCKS):
        block = []
        for _ in range(64):
            state = (state * 1103515245 + 12345) % 2**31
            value = state >> 8
            block.append(value % 256 if b < BLOCKS // 2 else (value % 1024) / 4 - 128)
        blocks.append(block)
    return numpy.array(blocks, dtype=numpy.float64).reshape(-1, 8, 8)


def exact(blocks):
    return fft.dctn(blocks, axes=(1, 2), norm="ortho") / 8


def make(path):
    blocks = samples()
    with open(path, "w", newline="\n") as out:
        for block, coefficients in zip(blocks, exact(blocks)):
            out.write(" ".join("%g" % v for v in block.flatten()) + "\n")
            out.write(" ".join("%.6f" % v for v in coefficients.flatten()) + "\n")
    return 0


def check(path):
    lines = open(path).read().split("\n")[:-1]
    assert len(lines) == 2 * BLOCKS, len(lines)
    blocks = numpy.array([[float(v) for v in line.split()] for line in lines[0::2]]).reshape(-1, 8, 8)
    stored = numpy.array([[float(v) for v in line.split()] for line in lines[1::2]]).reshape(-1, 8, 8)
    worst = float(numpy.max(numpy.abs(stored - exact(blocks))))
    print("blocks %d, largest difference from scipy %.2g" % (len(blocks), worst))
    return 0 if numpy.array_equal(blocks, samples()) and worst < 1e-5 else 1


if __name__ == "__main__":
    sys.exit({"make": make, "check": check}[sys.argv[1]](sys.argv[2]))
