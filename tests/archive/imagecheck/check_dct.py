#!/usr/bin/python3
"""Checks our DCT coefficients against scipy.

Reads FOLDER/samples.f32 and FOLDER/coefficients.i32 (blocks of 8 × 8) and
exits non-zero unless every coefficient equals round(dctn(block, 'ortho') / 8)
(off by one only where the exact value is within a hair of a tie) and the
inverse transform of the coefficients rebuilds the samples above 36 dB.
"""
import sys
from pathlib import Path

import numpy
from scipy import fft


def main(folder):
    folder = Path(folder)
    samples = numpy.fromfile(folder / "samples.f32", dtype="<f4").reshape(-1, 8, 8).astype(numpy.float64)
    ours = numpy.fromfile(folder / "coefficients.i32", dtype="<i4").reshape(-1, 8, 8)
    exact = fft.dctn(samples, axes=(1, 2), norm="ortho") / 8
    difference = ours - numpy.round(exact)
    near_tie = numpy.abs(numpy.abs(exact - numpy.floor(exact)) - 0.5) < 1e-3
    wrong = (difference != 0) & ~((numpy.abs(difference) == 1) & near_tie)
    rebuilt = fft.idctn(ours * 8.0, axes=(1, 2), norm="ortho")
    psnr = 10 * numpy.log10(255.0**2 / numpy.mean((rebuilt - samples) ** 2))
    print(f"blocks {len(samples)}, wrong {int(wrong.sum())}, ties {int((difference != 0).sum())}, psnr {psnr:.2f} dB")
    return 0 if not wrong.any() and psnr > 36 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
