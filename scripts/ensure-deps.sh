#!/usr/bin/env bash
# Installs the Debian packages that a step of the Makefile needs, when any is missing:
#   program   building and running Vantor (make run, make install)
#   test      the whole suite (make test): a private X server, its key-presser, a session bus, the accessibility bus
#             with a listener for it, the package tools, and Qt's Wayland compositor, run by its qml tool, with the
#             plugin that brings the program onto it
#   bench     the benchmark (make bench, make soak): X11's headers besides what the suite needs
#   fuzz      make fuzz: clang and its libFuzzer and sanitizer runtimes besides what the suite needs
#   deb       make deb: the package tools, and lintian to check the package
set -euo pipefail

program=(build-essential cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
test=("${program[@]}" xvfb xauth xdotool x11-utils dbus-daemon at-spi2-core python3-pyatspi dpkg-dev file
      desktop-file-utils appstream qt6-wayland qml-qt6 qml6-module-qtquick qml6-module-qtqml-workerscript
      qml6-module-qtwayland-compositor)
case "${1:-program}" in
    program) packages=("${program[@]}") ;;
    test) packages=("${test[@]}") ;;
    bench) packages=("${test[@]}" libxcb1-dev) ;;
    fuzz) packages=("${test[@]}" clang libclang-rt-14-dev) ;;
    deb) packages=("${program[@]}" dpkg-dev file lintian) ;;
    *) echo "usage: $0 [program|test|bench|fuzz|deb]" >&2 && exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# As root directly, else through sudo; a user who may not use sudo is told the one command that does it all as root.
# sudo drops the environment, so the variable goes in through env.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    step=${1:-program}
    [ "$step" = program ] && step=test # what the suite needs covers the program too: one su is enough
    command -v sudo >/dev/null && sudo true ||
        { echo "ensure-deps.sh: $(id -un) may not install packages; run this once as root: su -c 'scripts/ensure-deps.sh $step'" >&2 && exit 1; }
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
