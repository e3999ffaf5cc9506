#!/usr/bin/env bash
# Installs the Debian packages the project needs, and nothing when they are
# all present, then sets up the emulated 32-bit wine once (in a cache outside
# the work tree; see tools/wine32-setup.sh). With --audible it also installs
# what tools/audible-check.sh needs (PulseAudio, whose null sink wine plays
# into), which the test command does not. Runs apt-get as root, or through
# sudo. Without the 32-bit wine everything else still works: its tests are
# then reported as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ ccache               # host build and tests
  g++-mingw-w64-x86-64 g++-mingw-w64-i686    # the two Windows targets
  googletest libbenchmark-dev                # tests and benchmarks
  lua5.4                                     # the file benchmark's yardstick (bench/basic)
  wine64 xvfb xauth                          # running the Windows build here
  imagemagick                                # snapshot BMP -> PNG; photographs of the display
  x11-utils                                  # xwininfo: where the photographed window is
  clang libclang-rt-14-dev                   # the fuzzers (libFuzzer)
  fonts-ipafont-gothic fonts-ipafont-mincho  # a Japanese fixed-pitch face for wine
  console-setup-linux                        # the VGA console fonts: basic.exe's code page 437 glyphs
  uim-xim uim-anthy xdotool locales          # Japanese typed through an X input method (tests/console)
)

[ "${1:-}" = --audible ] &&
  packages+=(pulseaudio pulseaudio-utils)   # tools/audible-check.sh: wine plays into a null sink, parec records it

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  echo "setup: done"
fi

# The X input method needs the C library's ja_JP.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi

tools/wine32-setup.sh || true
