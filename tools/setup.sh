#!/usr/bin/env bash
# Installs the Debian packages the project needs, and nothing when they are
# all present. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++                      # host build and tests
  g++-mingw-w64-x86-64 g++-mingw-w64-i686    # the two Windows targets
  googletest libbenchmark-dev                # tests and benchmarks
  wine64 xvfb xauth                          # running the Windows build here
  imagemagick                                # snapshot BMP -> PNG
  fonts-ipafont-gothic fonts-ipafont-mincho  # a Japanese fixed-pitch face for wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
