#!/bin/sh
# shellcheck disable=SC2086 # $jpeg holds several options and is split on purpose
# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: CC0-1.0
#
# Makes the wallpapers of data/Walls. Needs ImageMagick 6 (convert).
#
#   data/tools/make-walls.sh [OUT_DIR]
#
# Every wallpaper tiles without a seam. The rules that keep it so:
#   - noise is smoothed with -virtual-pixel tile, so a blur that runs off one edge comes back
#     in at the opposite edge;
#   - stripes, rings and veins come from sin/cos of i/w and j/h with whole numbers of
#     periods across the tile;
#   - grid lines sit at multiples of the cell size, which divides the tile size.
# Fixed -seed values make the same noise on every run.
set -eu

out=${1:-$(dirname "$0")/../Walls}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

S=512
# The fields are grey; colours go on with +level-colors once the image is RGB again.
jpeg="-strip -sampling-factor 1x1 -quality 90"

# field NAME SEED KERNEL: grey noise of the tile size, smoothed by the morphology KERNEL
# (e.g. Gaussian:0x8, or Blur:0x30 for streaks along x, Blur:0x30,90 along y), stretched
# to the full 0..1 range.
field() {
    convert -size ${S}x${S} xc: -seed "$2" +noise Random -channel G -separate +channel \
        -virtual-pixel tile -morphology Convolve "$3" -auto-level "$tmp/$1.png"
}

# 0. Parchment: warm cream, slow clouding, faint fibres along the sheet.
field p-cloud 11 Gaussian:0x40
field p-mid 12 Gaussian:0x10
field p-fibre 13 Blur:0x24
convert "$tmp/p-cloud.png" "$tmp/p-mid.png" "$tmp/p-fibre.png" \
    -fx "0.60*u[0]+0.25*u[1]+0.15*u[2]" -auto-level \
    -colorspace sRGB -type TrueColor +level-colors "#e6d3a8,#f8efd9" $jpeg "$out/WallPaper0.jpg"

# 1. Linen: threads across and along, woven together, in a grey-beige.
field l-weft 21 Blur:0x10
field l-warp 22 Blur:0x10,90
field l-cloud 23 Gaussian:0x30
convert "$tmp/l-weft.png" "$tmp/l-warp.png" "$tmp/l-cloud.png" \
    -fx "0.4*u[0]+0.4*u[1]+0.2*u[2]" -auto-level \
    -colorspace sRGB -type TrueColor +level-colors "#dcd6c6,#f4f1e8" $jpeg "$out/linen.jpg"

# 2. Light marble: soft grey veins over white, bent by smooth noise.
field m-warp 31 Gaussian:0x28
field m-fine 32 Gaussian:0x6
convert "$tmp/m-warp.png" "$tmp/m-fine.png" \
    -fx "pow(abs(sin(pi*(2*i/w+1*j/h)+4.5*u[0]+0.8*u[1])),0.30)" \
    -virtual-pixel tile -morphology Convolve Gaussian:0x1 \
    -colorspace sRGB -type TrueColor +level-colors "#d4d2cf,#f9f8f5" $jpeg "$out/marble.jpg"

# 3. Pale sky: blue that deepens and lightens with the height of the tile, with thin clouds.
convert -size ${S}x${S} xc: -fx "0.5+0.5*cos(2*pi*j/h)" \
    -colorspace sRGB -type TrueColor +level-colors "#d3e5f6,#eaf3fc" "$tmp/s-sky.png"
field s-cloud 41 Gaussian:0x24
field s-puff 42 Gaussian:0x8
convert "$tmp/s-cloud.png" "$tmp/s-puff.png" -fx "0.7*u[0]+0.3*u[1]" -auto-level \
    -level 45%,100% -evaluate multiply 0.75 "$tmp/s-mask.png"
convert "$tmp/s-sky.png" \( -size ${S}x${S} xc:white \) "$tmp/s-mask.png" \
    -compose over -composite $jpeg "$out/sky.jpg"

# 4. Grid paper: off-white with faint blue lines every 16 pixels, stronger every 64.
G=256
grid=$(
    printf 'stroke "#dde7f0" '
    i=0; while [ $i -lt $G ]; do
        [ $((i % 64)) -ne 0 ] && printf 'line %d,0 %d,%d line 0,%d %d,%d ' $i $i $((G - 1)) $i $((G - 1)) $i
        i=$((i + 16))
    done
    printf 'stroke "#c3d5e6" '
    i=0; while [ $i -lt $G ]; do
        printf 'line %d,0 %d,%d line 0,%d %d,%d ' $i $i $((G - 1)) $i $((G - 1)) $i
        i=$((i + 64))
    done
)
convert -size ${G}x${G} xc:"#fbfaf5" +antialias -draw "$grid" -strip "$out/grid-paper.png"

# 5. Old paper: yellowed, unevenly aged, with a fine grain.
field o-age 51 Gaussian:0x48
field o-spot 52 Gaussian:0x12
field o-grain 53 Gaussian:0x0.8
convert "$tmp/o-age.png" "$tmp/o-spot.png" "$tmp/o-grain.png" \
    -fx "0.55*u[0]+0.30*u[1]+0.15*u[2]" -auto-level \
    -colorspace sRGB -type TrueColor +level-colors "#d8c59a,#f2e7cc" $jpeg "$out/old-paper.jpg"

# 6. Light wood: pale boards with thin growth rings running along x, and a fine grain.
field w-bend 61 Blur:0x60
field w-grain 62 Blur:0x24
convert "$tmp/w-bend.png" -virtual-pixel tile -morphology Convolve Blur:0x10,90 -auto-level \
    "$tmp/w-bend2.png"
convert "$tmp/w-bend2.png" "$tmp/w-grain.png" \
    -fx "0.7*pow(0.5+0.5*sin(2*pi*(8*j/h+1.2*u[0])),4)+0.3*u[1]" -auto-level -negate \
    -colorspace sRGB -type TrueColor +level-colors "#dcc096,#f4e6cd" $jpeg "$out/light-wood.jpg"

# 7. Sand: an even light sand with a soft speckle.
field d-dune 71 Gaussian:0x32
field d-speck 72 Gaussian:0x1.2
convert "$tmp/d-dune.png" "$tmp/d-speck.png" -fx "0.5*u[0]+0.5*u[1]" -auto-level \
    -colorspace sRGB -type TrueColor +level-colors "#e9dcc0,#f7f0e0" $jpeg "$out/sand.jpg"
