#!/bin/sh
# Draws the pictures of the demo skin "Aurora" with ImageMagick into a skin
# folder (the package's copy; the pictures are not kept in git). Every state
# picture is its cells stacked from top to bottom, as main.xml describes them.
# Usage: scripts/make-skin.sh <skin folder>
set -eu
out=${1:?usage: make-skin.sh <skin folder>}
command -v convert >/dev/null || { echo "make-skin: ImageMagick convert is missing (scripts/setup.sh)" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One calm palette: light surfaces, slate text and lines, one blue accent.
back='#F4F6F9'
line='#C3CAD4'
lineOver='#8FA6BF'
linePressed='#6F8BAA'
lineOff='#DDE2E8'
fillOff='#EFF1F4'
accent='#1C6DD0'
accentOver='#2B7DE0'
accentPressed='#1558AB'
accentOff='#AFC8E8'
glyph='#5B6878'
glyphOff='#BAC2CC'
track='#EDF0F4'
thumb='#B7C1CD'
thumbOver='#98A5B5'
thumbDrag='#7D8B9D'

# cell <file> <w> <h> <radius> <border colour> <fill colour>: a rounded box
# with a crisp 1 px border.
cell() {
    convert -size "$2x$3" xc:none \
        -fill "$5" -draw "roundrectangle 0,0 $(($2 - 1)),$(($3 - 1)) $4,$4" \
        -fill "$6" -draw "roundrectangle 1,1 $(($2 - 2)),$(($3 - 2)) $(($4 - 1)),$(($4 - 1))" "$1"
}
# stack <file> <cells...>
stack() {
    target=$1
    shift
    convert "$@" -append "$target"
}

# Dialog background: plain, stretched.
convert -size 8x8 "xc:$back" "$out/dialog-back.png"

# Header band: white with a hairline at the bottom.
convert -size 8x8 xc:'#FFFFFF' -fill '#E1E6EC' -draw "rectangle 0,7 7,7" "$out/header.png"

# Push buttons: normal, over, pressed, disabled.
cell "$work/b0.png" 24 30 4 "$line" '#FFFFFF'
cell "$work/b1.png" 24 30 4 "$lineOver" '#F1F6FB'
cell "$work/b2.png" 24 30 4 "$linePressed" '#E3ECF5'
cell "$work/b3.png" 24 30 4 "$lineOff" "$fillOff"
stack "$out/button.png" "$work/b0.png" "$work/b1.png" "$work/b2.png" "$work/b3.png"

# The accent button for the step forward.
cell "$work/p0.png" 24 30 4 "$accentPressed" "$accent"
cell "$work/p1.png" 24 30 4 "$accent" "$accentOver"
cell "$work/p2.png" 24 30 4 '#104A91' "$accentPressed"
cell "$work/p3.png" 24 30 4 "$accentOff" "$accentOff"
stack "$out/button-primary.png" "$work/p0.png" "$work/p1.png" "$work/p2.png" "$work/p3.png"

# Check box: unchecked then checked, each normal, over, pressed, disabled.
check() { # <file> <box border> <box fill> <mark colour or none>
    cell "$1" 16 16 3 "$2" "$3"
    if [ "$4" != none ]; then
        convert "$1" -stroke "$4" -strokewidth 2 -fill none -draw "polyline 4,8 7,11 12,5" "$1"
    fi
}
check "$work/c0.png" '#8A97A8' '#FFFFFF' none
check "$work/c1.png" "$accent" '#F1F6FB' none
check "$work/c2.png" "$accentPressed" '#E3ECF5' none
check "$work/c3.png" "$lineOff" "$fillOff" none
check "$work/c4.png" "$accent" "$accent" '#FFFFFF'
check "$work/c5.png" "$accentOver" "$accentOver" '#FFFFFF'
check "$work/c6.png" "$accentPressed" "$accentPressed" '#FFFFFF'
check "$work/c7.png" "$accentOff" "$accentOff" '#FFFFFF'
stack "$out/checkbox.png" "$work"/c0.png "$work"/c1.png "$work"/c2.png "$work"/c3.png \
    "$work"/c4.png "$work"/c5.png "$work"/c6.png "$work"/c7.png

# Radio button: the same eight states, round.
radio() { # <file> <ring> <fill> <dot colour or none>
    convert -size 16x16 xc:none -fill "$2" -draw "circle 7.5,7.5 7.5,0" \
        -fill "$3" -draw "circle 7.5,7.5 7.5,1" "$1"
    if [ "$4" != none ]; then
        convert "$1" -fill "$4" -draw "circle 7.5,7.5 7.5,3.5" "$1"
    fi
}
radio "$work/r0.png" '#8A97A8' '#FFFFFF' none
radio "$work/r1.png" "$accent" '#F1F6FB' none
radio "$work/r2.png" "$accentPressed" '#E3ECF5' none
radio "$work/r3.png" "$lineOff" "$fillOff" none
radio "$work/r4.png" "$accent" '#FFFFFF' "$accent"
radio "$work/r5.png" "$accentOver" '#FFFFFF' "$accentOver"
radio "$work/r6.png" "$accentPressed" '#E3ECF5' "$accentPressed"
radio "$work/r7.png" "$lineOff" "$fillOff" "$accentOff"
stack "$out/radio.png" "$work"/r0.png "$work"/r1.png "$work"/r2.png "$work"/r3.png \
    "$work"/r4.png "$work"/r5.png "$work"/r6.png "$work"/r7.png

# Progress bar: a sunken track and the accent fill.
cell "$out/progress-back.png" 12 12 4 '#CBD3DD' '#E6EBF1'
cell "$out/progress-front.png" 12 12 4 "$accentPressed" "$accent"

# Edit field frame: normal, focused (accent border with a soft halo), normal, disabled.
cell "$work/e0.png" 16 16 3 "$line" '#FFFFFF'
cell "$work/e1.png" 16 16 3 "$accent" '#FFFFFF'
convert "$work/e1.png" -fill none -stroke '#D6E6F9' -draw "roundrectangle 1,1 14,14 2,2" \
    -stroke none -fill '#FFFFFF' -draw "rectangle 3,3 12,12" "$work/e1.png"
cp "$work/e0.png" "$work/e2.png"
cell "$work/e3.png" 16 16 3 "$lineOff" '#F3F5F8'
stack "$out/edit.png" "$work/e0.png" "$work/e1.png" "$work/e2.png" "$work/e3.png"

# Scroll bar: a quiet track, a pill handle (normal, over, dragged), square
# arrow buttons (normal, over, pressed, disabled) and direction glyphs.
convert -size 16x16 "xc:$track" "$out/scroll-track.png"
convert -size 16x16 "xc:$track" -fill '#E1E6EC' -draw "rectangle 0,0 15,0" -draw "rectangle 0,0 0,15" \
    "$out/scroll-stump.png"
pill() { # <file> <w> <h> <colour>
    convert -size "$2x$3" xc:none -fill "$4" \
        -draw "roundrectangle 3,3 $(($2 - 4)),$(($3 - 4)) 4,4" "$1"
}
pill "$work/hv0.png" 16 24 "$thumb"
pill "$work/hv1.png" 16 24 "$thumbOver"
pill "$work/hv2.png" 16 24 "$thumbDrag"
stack "$out/scroll-vhandle.png" "$work/hv0.png" "$work/hv1.png" "$work/hv2.png"
pill "$work/hh0.png" 24 16 "$thumb"
pill "$work/hh1.png" 24 16 "$thumbOver"
pill "$work/hh2.png" 24 16 "$thumbDrag"
stack "$out/scroll-hhandle.png" "$work/hh0.png" "$work/hh1.png" "$work/hh2.png"
convert -size 16x16 xc:none "$work/a0.png"
convert -size 16x16 xc:none -fill '#E3E8EE' -draw "roundrectangle 1,1 14,14 3,3" "$work/a1.png"
convert -size 16x16 xc:none -fill '#D3DAE3' -draw "roundrectangle 1,1 14,14 3,3" "$work/a2.png"
stack "$out/scroll-arrow.png" "$work/a0.png" "$work/a1.png" "$work/a2.png" "$work/a0.png"
triangle() { # <file> <points> <colour>
    convert -size 16x16 xc:none -fill "$3" -draw "polygon $2" "$1"
}
up='4.5,10 11.5,10 8,5.5'
down='4.5,6 11.5,6 8,10.5'
left='10,4.5 10,11.5 5.5,8'
right='6,4.5 6,11.5 10.5,8'
for name in up down left right; do
    eval "points=\$$name"
    triangle "$work/g-$name-0.png" "$points" "$glyph"
    triangle "$work/g-$name-3.png" "$points" "$glyphOff"
    triangle "$work/g-$name-2.png" "$points" '#2E3A48'
    stack "$out/scroll-$name.png" "$work/g-$name-0.png" "$work/g-$name-0.png" "$work/g-$name-2.png" \
        "$work/g-$name-3.png"
done
stack "$out/scroll-glyphs.png" "$work/g-up-0.png" "$work/g-down-0.png" "$work/g-left-0.png" "$work/g-right-0.png"

# Title bar icon: the accent tile with a light play mark, in three sizes.
for size in 16 32 48; do
    r=$((size / 5))
    convert -size "${size}x${size}" xc:none -fill "$accent" \
        -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $r,$r" \
        -fill '#FFFFFF' -draw "polygon $((size * 3 / 8)),$((size / 4)) $((size * 3 / 8)),$((size * 3 / 4)) $((size * 3 / 4)),$((size / 2))" \
        "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$out/titlebar.ico"
