#!/usr/bin/env bash
# Renders Vantor's icon, resources/icons/example.corvana.Vantor.svg, into the PNGs beside it (48, 64, 128 and 256
# pixels) and into resources/vantor.png, the window's icon. The PNGs are committed; run this again only after changing
# the SVG.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../resources" && pwd)
if ! command -v rsvg-convert >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
svg=$here/icons/example.corvana.Vantor.svg
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$here/icons/example.corvana.Vantor-$size.png"
done
cp "$here/icons/example.corvana.Vantor-64.png" "$here/vantor.png"
