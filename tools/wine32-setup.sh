#!/usr/bin/env bash
# Sets up, once, what runs the 32-bit program on a machine whose kernel cannot
# execute 32-bit code: Debian's i386 wine, unpacked into a private folder (not
# installed), and the user-mode emulator qemu-i386 from the backports suite of
# the machine's own Debian release, also only unpacked. Both come through apt
# with the package sources the machine already uses, in an apt configuration
# of their own: the system's apt state, architectures and installed packages
# stay as they were.
#
# Usage: tools/wine32-setup.sh. Prints nothing when the cache is ready; prints
# one line saying why and exits non-zero when it cannot set it up.
set -euo pipefail
source "$(dirname "$0")/wine32-paths.sh"

[ -f "$BALLS_WINE32_READY" ] && exit 0

# What the i386 wine needs beyond its own dependencies: the X libraries that
# its display driver opens at run time, and the zlib it expects as a DLL.
wine_packages=(wine32 libwine libxrender1 libxrandr2 libxfixes3 libxi6 libxcursor1
               libxinerama1 libxcomposite1 libxxf86vm1 libz-mingw-w64)

fail() { echo "wine32 setup: $*" >&2; exit 1; }

work=$BALLS_WINE32_CACHE
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/etc/parts" "$apt_dir/etc/preferences"
: >"$apt_dir/status"  # nothing installed: every dependency is fetched
apt_options=(
  -o Dir::State="$apt_dir" -o Dir::State::Lists="$apt_dir/lists" -o Dir::State::status="$apt_dir/status"
  -o Dir::Cache="$apt_dir" -o Dir::Cache::archives="$apt_dir/archives"
  -o Dir::Etc::SourceList="$apt_dir/etc/sources.list" -o Dir::Etc::SourceParts="$apt_dir/etc/parts"
  -o Dir::Etc::Preferences="$apt_dir/etc/preferences.pref" -o Dir::Etc::PreferencesParts="$apt_dir/etc/preferences"
  -o APT::Architecture=i386 -o APT::Architectures::=i386 -o APT::Architectures::=amd64
  -o APT::Sandbox::User=root -o Debug::NoLocking=1 -q
)
private_apt() { apt-get "${apt_options[@]}" "$@"; }

# The machine's own package sources, read back from its apt configuration;
# the backports suite is its release's, at the address of that release.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || fail "cannot tell this machine's Debian release"
machine_sources() { apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null | sort -u; }
sources=$(machine_sources)
if [ -z "$sources" ]; then
  apt-get update -qq >/dev/null 2>&1 || true
  sources=$(machine_sources)
fi
release_uri=$(awk -v r="$codename" '$2 == r { print $1; exit }' <<<"$sources")
[ -n "$release_uri" ] || fail "no package source for $codename in this machine's apt configuration"
{
  awk '{ print "deb [arch=i386] " $1 " " $2 " " $3 }' <<<"$sources"
  echo "deb [arch=amd64] $release_uri $codename-backports main"
} >"$apt_dir/etc/sources.list"

echo "wine32 setup: fetching the i386 wine and qemu-i386 into $work (once, about 200 MB)"
private_apt update >/dev/null 2>&1 || fail "apt could not read the package lists"
private_apt install --download-only -y --no-install-recommends "${wine_packages[@]}" >/dev/null 2>&1 ||
  fail "apt could not fetch ${wine_packages[*]} for i386"
qemu_version=$(apt-cache "${apt_options[@]}" madison qemu-user:amd64 2>/dev/null |
  awk -F'|' -v s="$codename-backports" 'index($3, s) { gsub(/ /, "", $2); print $2; exit }')
[ -n "$qemu_version" ] || fail "no qemu-user in $codename-backports"
(cd "$apt_dir/archives" && private_apt download "qemu-user:amd64=$qemu_version" >/dev/null 2>&1) ||
  fail "apt could not fetch qemu-user $qemu_version"

rm -rf "$BALLS_WINE32_ROOT" "$BALLS_WINE32_QEMU_ROOT"
mkdir -p "$BALLS_WINE32_ROOT" "$BALLS_WINE32_QEMU_ROOT"
for deb in "$apt_dir"/archives/*.deb; do
  case $(basename "$deb") in
    qemu-user_*) dpkg-deb -x "$deb" "$BALLS_WINE32_QEMU_ROOT" ;;
    *) dpkg-deb -x "$deb" "$BALLS_WINE32_ROOT" ;;
  esac
done

# What the packages' install scripts would have done.
root=$BALLS_WINE32_ROOT
# 1. The server of this wine is the 32-bit one: with the 64-bit one it would
#    act as a 64-bit wine and fail to load its 32-bit system DLLs.
ln -sfn wineserver32 "$root/usr/lib/wine/wineserver"
# 2. The zlib DLL, marked as one of wine's own builtin DLLs.
zlib_in=$root/usr/i686-w64-mingw32/lib/zlib1.dll
zlib_out=$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll
{ head -c 64 "$zlib_in"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib_in"; } >"$zlib_out"
# 3. A linker cache of its own, or the emulated loader finds no FreeType.
echo 'include /etc/ld.so.conf.d/*.conf' >"$root/etc/ld.so.conf"
ldconfig -r "$root" || fail "ldconfig could not index $root"

[ -x "$BALLS_WINE32_QEMU" ] || fail "qemu-user $qemu_version holds no qemu-i386"
rm -rf "$apt_dir/archives"/*.deb
touch "$BALLS_WINE32_READY"
echo "wine32 setup: done"
