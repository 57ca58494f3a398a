#!/usr/bin/env bash
# Draws Vantor's pictures into resources/: the four panels of the comic strip "Brask", the background shown beneath
# them and the link icon. The GIFs are committed; run this again only after changing a drawing here.
#   scripts/make-pictures.sh [OUTDIR]      (OUTDIR defaults to resources/)
# The comic viewer places the panels by their pixel sizes, so every size below is exact and checked at the end.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here/../resources}
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

missing=()
command -v convert >/dev/null && command -v identify >/dev/null || missing+=(imagemagick)
[ -e "$font" ] || missing+=(fonts-dejavu-core)
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
mkdir -p "$out"

ink='#2b2b2b'
# Each drawing helper appends ImageMagick options to this array; a picture is one convert call over it.
d=()

# Brask: a round orange fellow with an antenna. X,Y is the middle of his body; MOOD is sad, happy or surprised.
brask() {
    local x=$1 y=$2 mood=$3
    d+=(-stroke "$ink" -strokewidth 2 -fill '#f2994a'
        -draw "ellipse $((x - 15)),$((y + 31)) 11,5 0,360"
        -draw "ellipse $((x + 15)),$((y + 31)) 11,5 0,360"
        -draw "ellipse $x,$y 34,30 0,360"
        -draw "line $x,$((y - 30)) $((x + 7)),$((y - 45))"
        -fill '#ffd34d' -draw "circle $((x + 8)),$((y - 48)) $((x + 13)),$((y - 48))"
        -fill white
        -draw "ellipse $((x - 11)),$((y - 8)) 7,9 0,360"
        -draw "ellipse $((x + 11)),$((y - 8)) 7,9 0,360"
        -fill "$ink" -stroke none
        -draw "circle $((x - 9)),$((y - 6)) $((x - 6)),$((y - 6))"
        -draw "circle $((x + 13)),$((y - 6)) $((x + 16)),$((y - 6))"
        -stroke "$ink" -strokewidth 2)
    case $mood in
        happy)
            d+=(-fill none -draw "arc $((x - 13)),$((y + 1)) $((x + 13)),$((y + 18)) 15,165")
            d+=(-fill '#f5b7a0' -stroke none -draw "circle $((x - 22)),$((y + 6)) $((x - 17)),$((y + 6))"
                -draw "circle $((x + 22)),$((y + 6)) $((x + 27)),$((y + 6))") ;;
        sad)
            d+=(-fill none -draw "arc $((x - 10)),$((y + 10)) $((x + 10)),$((y + 24)) 200,340")
            d+=(-fill '#5aa9e6' -stroke none -draw "ellipse $((x - 20)),$((y + 6)) 2,4 0,360") ;;
        surprised)
            d+=(-fill "$ink" -draw "ellipse $x,$((y + 13)) 5,6 0,360") ;;
    esac
}

# Pim: a small blue bird, Brask's friend. X,Y is the middle of the body; FACE is left or right.
pim() {
    local x=$1 y=$2 face=$3 s=1
    [ "$face" = left ] && s=-1
    d+=(-stroke "$ink" -strokewidth 2
        -fill '#5aa9e6' -draw "polygon $((x - s * 16)),$((y - 2)) $((x - s * 30)),$((y - 10)) $((x - s * 28)),$((y + 6))"
        -draw "circle $x,$y $((x + 17)),$y"
        -fill '#3d86c6' -draw "ellipse $((x - s * 3)),$((y + 4)) 9,6 0,360"
        -fill '#ffb938' -draw "polygon $((x + s * 15)),$((y - 6)) $((x + s * 27)),$((y - 2)) $((x + s * 15)),$((y + 2))"
        -fill white -draw "circle $((x + s * 7)),$((y - 6)) $((x + s * 12)),$((y - 6))"
        -fill "$ink" -stroke none -draw "circle $((x + s * 8)),$((y - 6)) $((x + s * 10)),$((y - 6))")
}

# A speech balloon over X0,Y0 X1,Y1 whose tail leaves the bottom edge as near to TX as it can and points at TX,TY.
balloon() {
    local x0=$1 y0=$2 x1=$3 y1=$4 tx=$5 ty=$6 text=$7
    local bx=$((tx < x0 + 22 ? x0 + 22 : tx > x1 - 22 ? x1 - 22 : tx))
    d+=(-stroke "$ink" -strokewidth 2 -fill white
        -draw "polygon $((bx - 9)),$((y1 - 1)) $((bx + 9)),$((y1 - 1)) $tx,$ty"
        -draw "roundrectangle $x0,$y0 $x1,$y1 12,12"
        -stroke none -draw "polygon $((bx - 6)),$((y1 - 3)) $((bx + 6)),$((y1 - 3)) $((bx + 1)),$((y1 + 3))"
        -fill "$ink" -font "$font" -pointsize 12 -gravity NorthWest
        -annotate "+$((x0 + 9))+$((y0 + 6))" "$text")
}

cloud() {
    local x=$1 y=$2 colour=$3
    d+=(-stroke none -fill "$colour"
        -draw "ellipse $x,$y 34,14 0,360" -draw "circle $((x - 12)),$((y - 8)) $((x + 2)),$((y - 8))"
        -draw "circle $((x + 12)),$((y - 10)) $((x + 30)),$((y - 10))")
}

sun() {
    local x=$1 y=$2
    d+=(-stroke '#f2a900' -strokewidth 3)
    for a in "0 -1" "1 -1" "1 0" "1 1" "0 1" "-1 1" "-1 0" "-1 -1"; do
        set -- $a
        d+=(-draw "line $((x + $1 * 22)),$((y + $2 * 22)) $((x + $1 * 30)),$((y + $2 * 30))")
    done
    d+=(-strokewidth 2 -stroke "$ink" -fill '#ffd34d' -draw "circle $x,$y $((x + 16)),$y")
}

rain() {
    local x0=$1 x1=$2 y=$3
    d+=(-stroke '#5aa9e6' -strokewidth 2)
    for ((x = x0; x < x1; x += 11)); do
        d+=(-draw "line $x,$((y + (x * 7) % 13)) $((x - 3)),$((y + 8 + (x * 7) % 13))")
    done
}

# A desk with a monitor; the screen shows TEXT in SCREEN colour.
computer() {
    local x=$1 y=$2 screen=$3 text=$4
    d+=(-stroke "$ink" -strokewidth 2 -fill '#a8744a' -draw "rectangle $((x - 70)),$((y + 40)) $((x + 70)),$((y + 48))"
        -draw "line $((x - 60)),$((y + 48)) $((x - 60)),$((y + 90))" -draw "line $((x + 60)),$((y + 48)) $((x + 60)),$((y + 90))"
        -fill '#8c8c8c' -draw "rectangle $((x - 8)),$((y + 26)) $((x + 8)),$((y + 40))"
        -draw "roundrectangle $((x - 48)),$((y - 36)) $((x + 48)),$((y + 28)) 5,5"
        -fill "$screen" -draw "rectangle $((x - 40)),$((y - 28)) $((x + 40)),$((y + 20))"
        -stroke none -fill white -font "$font" -pointsize 10 -gravity NorthWest
        -annotate "+$((x - 36))+$((y - 14))" "$text")
}

# A panel: sky or wall colour, ground or floor colour and where it starts, then the drawing, then a black frame.
panel() {
    local file=$1 w=$2 h=$3 back=$4 ground=$5 gy=$6
    convert -size "${w}x${h}" "xc:$back" \
        -fill "$ground" -draw "rectangle 0,$gy $w,$h" \
        "${d[@]}" \
        -stroke black -strokewidth 3 -fill none -draw "rectangle 1,1 $((w - 2)),$((h - 2))" \
        +dither -colors 32 "$out/$file"
    d=()
}

# 1: a rainy day, and the game will not start.
d+=(-stroke "$ink" -strokewidth 2 -fill '#fff6d5' -draw "rectangle 10,10 84,32"
    -stroke none -fill "$ink" -font "$font" -pointsize 15 -gravity NorthWest -annotate +19+12 "BRASK")
cloud 170 40 '#8a96a3'
rain 138 205 58
brask 170 135 sad
balloon 214 30 400 74 196 96 $'Rainy day. And my game\nwill not start...'
pim 520 118 left
balloon 430 38 620 82 505 96 $'Cheer up, Brask!\nLet us have a look.'
panel brask1.gif 635 195 '#c9d3dc' '#7cb36b' 165

# 2: the launcher looks in the wrong folder.
d+=(-stroke '#b89f70' -strokewidth 2 -fill '#dff0ff' -draw "rectangle 470,24 540,84"
    -draw "line 505,24 505,84" -draw "line 470,54 540,54")
computer 150 92 '#3a5a8c' $'Dir not\nfound!'
brask 270 132 surprised
balloon 296 30 451 74 280 96 $'Oh! It looks in\nthe wrong folder!'
pim 560 150 left
balloon 455 96 620 127 545 134 'Browse for the game!'
panel brask2.gif 635 195 '#efe3c8' '#c79a6b' 172

# 3: Brask picks the game's own folder.
computer 275 88 '#3a5a8c' $'Half-Life\n  OK'
brask 395 128 happy
balloon 420 20 570 64 410 88 $'There it is!\nThe game folder.'
pim 120 140 right
balloon 20 18 230 62 125 116 $'Now press\n"Run Half-Life Now!"'
panel brask3.gif 583 188 '#efe3c8' '#c79a6b' 165

# 4: the sun comes out.
sun 50 48
cloud 560 40 white
brask 230 123 happy
d+=(-stroke '#f2a900' -strokewidth 2 -fill '#ffd34d'
    -draw "polygon 180,70 183,78 191,78 185,83 187,91 180,86 173,91 175,83 169,78 177,78"
    -draw "polygon 282,62 284,68 290,68 285,72 287,78 282,74 277,78 279,72 274,68 280,68")
balloon 110 12 260 56 216 70 $'It runs!\nThanks, Pim!'
pim 470 128 left
balloon 360 50 530 94 462 108 $'Told you, Brask.\nHappy gaming!'
panel brask4.gif 599 189 '#9fd4f5' '#7cc36b' 160

# The background: a calm sky with a few clouds and a hill, mostly hidden by the panels above it.
cloud 50 60 white
cloud 165 120 white
cloud 80 175 '#f4fbff'
d+=(-stroke none -fill '#a6d98f' -draw "ellipse 150,240 140,36 0,360"
    -fill '#8ccb74' -draw "ellipse 30,236 90,26 0,360")
convert -size 222x222 'xc:#cde8f7' "${d[@]}" +dither -colors 8 "$out/braskback.gif"
d=()

# The link icon: two chain links joined by a bar, on a transparent ground so that it sits on any frame colour.
convert -size 32x32 xc:none -fill none -stroke "#1f5fbf" -strokewidth 3 \
    -draw "translate 16,16 rotate -45 roundrectangle -17,-6 -2,6 6,6" \
    -draw "translate 16,16 rotate -45 roundrectangle 2,-6 17,6 6,6" \
    -draw "translate 16,16 rotate -45 line -4,0 4,0" \
    -channel A -threshold 50% +channel +dither -colors 4 "$out/linkicon.gif"

status=0
for want in "brask1.gif 635x195" "brask2.gif 635x195" "brask3.gif 583x188" "brask4.gif 599x189" \
    "braskback.gif 222x222" "linkicon.gif 32x32"; do
    set -- $want
    got=$(identify -format '%m %wx%h' "$out/$1")
    echo "$1: $got, $(stat -c %s "$out/$1") bytes"
    [ "$got" = "GIF $2" ] || { echo "$1 should be a $2 GIF" >&2; status=1; }
done
exit $status
