#!/bin/sh
# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: CC0-1.0
#
# Remakes the stock event pictures of data/Images from Debian's openclipart-png package
# (public-domain clip art). Needs ImageMagick 6 (convert).
#
#   data/tools/make-pictures.sh CLIPART_DIR [OUT_DIR]
#
# CLIPART_DIR is the png folder that openclipart-png installs (share/openclipart/png);
# OUT_DIR defaults to data/Images next to this script. Every picture is trimmed to its
# drawing and shrunk to fit 160x160 (or, when the drawing is small, enlarged to fit
# 128x128), keeping its aspect ratio and transparency.
set -eu

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 CLIPART_DIR [OUT_DIR]" >&2
    exit 2
fi
src=$1
out=${2:-$(dirname "$0")/../Images}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Metadata (dates, comments) left out so that the files come out the same on every run.
fit="-trim +repage -resize 160x160> -strip -define png:exclude-chunks=date,time"

# pic NAME SOURCE: the usual treatment; SOURCE is relative to CLIPART_DIR unless absolute.
pic() {
    case $2 in /*) from=$2 ;; *) from=$src/$2 ;; esac
    # shellcheck disable=SC2086
    convert "$from" $fit "$out/$1"
}

# small NAME SOURCE: for the few drawings that come smaller than 128 pixels both ways,
# enlarged to fit 128x128 so that they still look crisp enough in a zoomed-in box.
small() {
    # shellcheck disable=SC2086
    convert "$src/$2" -trim +repage -filter Lanczos -resize 128x128 -strip \
        -define png:exclude-chunks=date,time "$out/$1"
}

# The default event picture: an hourglass, as a GIF. GIF knows only fully transparent or
# opaque pixels, so the drawing is laid on white (its glass is see-through) and all of its
# outline, inside included, is kept opaque; only the outside stays transparent.
# shellcheck disable=SC2086
convert "$src/signs_and_symbols/clocks/sandglass_vermin_.png" $fit "$tmp/hourglass.png"
convert "$tmp/hourglass.png" -alpha extract -threshold 4% -bordercolor black -border 1 \
    -fill gray50 -draw "color 0,0 floodfill" -fill white +opaque gray50 \
    -fill black -opaque gray50 -shave 1x1 "$tmp/hourglass-mask.png"
convert "$tmp/hourglass.png" -background white -flatten "$tmp/hourglass-mask.png" \
    -alpha off -compose CopyOpacity -composite -colors 255 "$out/Im0.gif"

pic scroll.png            office/parchment_paper_landsca_.png
pic parchment.png         office/parchment_paper_portrai_.png
pic old-book.png          education/books/stara_ksiega_-_old_book_01.png
small quill.png           office/feather.png
small letter.png          office/lettera_architetto_franc_01.png
pic newspaper.png         education/books/newspaper_nicu_buculei_01.png
pic handshake.png         office/handshake_01.png
small king.png            people/card_figure_king_nicu_r.png
small queen.png           people/card_figure_queen_nic_r.png
pic sword.png             tools/weapons/longsword_01.png
pic axe.png               tools/axe_peterm_.png
pic ionic-column.png      buildings/capitello_modanatura_mo_01.png
pic classical-statue.png  people/hygieia_peterm_01.png
pic brick-wall.png        buildings/wall.png
pic school.png            buildings/school_country__abiclipa_01.png
pic factory.png           buildings/factory_gabrielle_nowick_.png
pic lighthouse.png        buildings/homes/lighthouse_matthew_gates_.png
pic sailing-boat.png      transportation/boating/boat_jarno_vasamaa_.png
pic anchor.png            transportation/anchor.png
pic horse.png             animals/mammals/horses/cavallo_architetto_franc_01.png
pic camel.png             unsorted/cammello.png
pic hot-air-balloon.png   transportation/pallone_aerestatico_arch_01.png
pic airplane.png          transportation/vehicles/aircraft_jarno_vasamaa_.png
pic rocket.png            transportation/vehicles/rocket.png
pic saturn.png            science/astronomy/saturn_dan_gerhards_01.png
pic globe.png             geography/globe_marcelo_staudt_.png
pic world-map.png         geography/peters_map_ross_merrigan_01.png
pic compass.png           tools/bussola_architetto_franc_01.png
pic telescope.png         tools/telescope_01.png
pic magnifying-glass.png  office/magnifying_glass_01.png
pic microscope.png        science/microscopio_architetto_f_01.png
pic flask.png             science/chemistry_flask_matthew__01.png
pic caduceus.png          unsorted/Simbol_medicina.png
pic light-bulb.png        electronics/bulb/lightbulb_jon_phillips_01.png
pic gear.png              tools/cog_01.png
pic anvil.png             tools/blacksmith_anvil_ganson.png
pic gramophone.png        computer/icons/etiquette-theme/stock/gramophone.png
pic oil-lamp.png          tools/lampada_di_aladino_alad_01.png
pic lantern.png           tools/hurricane_lamp_ganson.png
pic candle.png            unsorted/candela.png
pic dove.png              animals/birds/dove_symbol.png
pic olive-branch.png      plants/olivier_one_jean-victor__01.png
small palette.png         education/palette_juliane_krug_01.png
pic harp.png              recreation/music/harp1_ganson.png
pic violin.png            recreation/music/violin_colour_ganson.png
pic piano.png             recreation/music/piano_geraint_luff_01.png
pic coins.png             signs_and_symbols/money/gold_coins_in_a_stack_jo_01.png
pic farm.png              unsorted/fattoria.png
pic tractor.png           transportation/vehicles/trattore_architetto_fran_01.png
pic bread.png             food/breads_and_carbs/bread_01.png

# The shield without the small badge drawn in the corner of its page.
convert "$src/computer/icons/shield_matt_todd_01.png" \
    \( +clone -alpha extract -fill black -draw "rectangle 0,0 61,57" \) \
    -alpha off -compose CopyOpacity -composite "$tmp/shield.png"
pic shield.png "$tmp/shield.png"

# The castle without a speck of ink beside it.
convert "$src/buildings/ch_teau-fort_01.png" -crop 568x773+85+108 +repage "$tmp/castle.png"
pic castle.png "$tmp/castle.png"

# The ship out of its bottle: the drawing's middle, with a band of sea under the keel.
convert "$src/transportation/vehicles/the_mad_little_ship_core_01.png" -trim +repage \
    -crop 250x135+105+38 +repage "$tmp/longship.png"
pic longship.png "$tmp/longship.png"

# The steam locomotive out of its railway-crossing sign: the black drawing alone, its
# opacity taken from its darkness (the white and the red of the sign drop out).
convert "$src/transportation/roadsigns/train.png" -crop 250x230+315+395 +repage \
    -channel R -fx "(1-max(max(r,g),b))*a" -separate +channel "$tmp/train-mask.png"
convert "$tmp/train-mask.png" -fill "#1a1a1a" -colorize 100 "$tmp/train-mask.png" \
    -alpha off -compose CopyOpacity -composite "$tmp/train.png"
pic steam-locomotive.png "$tmp/train.png"
