#!/bin/sh
# Makes the two badge pictures of the club editor's badge tests with
# ImageMagick: 256-pixel run-length TGAs, a disc of one colour on another.
# The tests read the colours back at the centre and near the corner.
set -eu
cd "$(dirname "$0")"
convert -size 256x256 xc:'#0C3E95' -fill '#FFFFFF' -draw 'circle 128,128 128,48' -type TrueColor -compress RLE disk-badge.tga
convert -size 256x256 xc:'#B50000' -fill '#FFFF00' -draw 'circle 128,128 128,48' -type TrueColor -compress RLE archive-badge.tga
