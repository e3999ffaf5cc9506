#!/usr/bin/env bash
# The wine scripts' choices, checked without starting wine: the executable's
# kind read from its header, a server found beside each wine (never through
# the PATH, where Debian's wine64 puts none) or, for the emulated one, the
# native server of its release, the prefix and display of each wine slot
# (a slot's prefix copied once from the ready one), the slots' own virtual
# displays, and the emulator's binfmt_misc entry gone once its last holder
# lets go.
set -u
source "$(dirname "$0")/../../tools/wine-env.sh"
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A PE header: its offset at 0x3C, then "PE\0\0" and the machine field.
fake_pe() {  # fake_pe FILE MACHINE_BYTES
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00'; printf 'PE\0\0'; printf "$2"; head -c 16 /dev/zero; } >"$1"
}
fake_pe "$scratch/i386.exe" '\x4c\x01'
fake_pe "$scratch/amd64.exe" '\x64\x86'
fake_pe "$scratch/arm.exe" '\xc4\x01'
printf 'not a program' >"$scratch/text.exe"
check "a PE32 for i386 is a 32-bit program" [ "$(balls_pe_bits "$scratch/i386.exe")" = 32 ]
check "a PE32+ for x86_64 is a 64-bit program" [ "$(balls_pe_bits "$scratch/amd64.exe")" = 64 ]
check "another machine is neither" eval '! balls_pe_bits "$scratch/arm.exe" >/dev/null'
check "a file without a PE header is neither" eval '! balls_pe_bits "$scratch/text.exe" >/dev/null'

# The PATH of a plain shell, without wine's private folder.
PATH=/usr/local/bin:/usr/bin:/bin
for bits in 64 32; do
  if balls_wine_use "$bits"; then
    check "the $bits-bit wine's server lies beside it and runs" [ -x "$WINESERVER" ]
    if [ "$BALLS_WINE_EMULATED" = yes ] && [ -n "$BALLS_WINESERVER32" ]; then
      check "the emulated wine is served by the native server of its release" \
        [ "$("$WINESERVER" --version 2>&1)" = "$("$BALLS_WINE32_QEMU" "$(dirname "$WINE")/wineserver" --version 2>&1)" ]
    else
      check "the $bits-bit server is the one beside $WINE" [ "$(dirname "$WINESERVER")" = "$(dirname "$WINE")" ]
    fi
  else
    echo "skipped: no $bits-bit wine here ($BALLS_WINE_MISSING)"
  fi
done

# Wine slots, as CTest names them: slot 0 is the prefix itself on the
# caller's display; another is the prefix's copy, on the display the test
# command gave it or, without one, on none yet (its caller borrows one).
check "the slots are those of tests/wine_slots.json" [ "$(balls_wine_slot_ids | tr '\n' ' ')" = "0 1 " ]
slot() {  # slot GROUP [DISPLAY_1]: "PREFIX DISPLAY" that balls_wine_use 64 chooses
  (export DISPLAY=:5 CTEST_RESOURCE_GROUP_0_WINE=$1 BALLS_WINE_SLOT_DISPLAY_1=${2:-} BALLS_WINEPREFIX=/p
   [ -n "${2:-}" ] || unset BALLS_WINE_SLOT_DISPLAY_1
   balls_wine_use 64 >/dev/null 2>&1; echo "$WINEPREFIX ${DISPLAY:-none}")
}
check "outside CTest: the prefix, the caller's display" [ "$(slot "")" = "/p :5" ]
check "slot 0: the prefix, the caller's display" [ "$(slot id:0,slots:1)" = "/p :5" ]
check "slot 1: its copy, on its own display" [ "$(slot id:1,slots:1 :7)" = "/p-slot1 :7" ]
check "slot 1 without a display of its own: none of the caller's" [ "$(slot id:1,slots:1)" = "/p-slot1 none" ]
check "a group that names no slot changes nothing" [ "$(slot 'id:x;rm -rf /,slots:1')" = "/p :5" ]

# A slot's prefix: made once from the ready prefix, sharing its files.
mkdir -p "$scratch/prefix/drive_c" && touch "$scratch/prefix/.balls-ready" "$scratch/prefix/drive_c/file"
in_slot1() { (export CTEST_RESOURCE_GROUP_0_WINE=id:1,slots:1 BALLS_WINEPREFIX=$scratch/prefix; balls_wine_use 64 && "$@"); }
check "a slot's prefix is made from the ready one" in_slot1 balls_wine_prefix
check "its files are the ready prefix's, hard-linked" \
  [ "$(stat -c %i "$scratch/prefix-slot1/drive_c/file")" = "$(stat -c %i "$scratch/prefix/drive_c/file")" ]
touch "$scratch/prefix-slot1/mine"
check "a ready slot prefix is kept as it is" eval 'in_slot1 balls_wine_prefix && [ -e "$scratch/prefix-slot1/mine" ]'

# The native server serves the emulated wine only where it is of its release.
native=$(dirname "$(balls_wine64_path)")/wineserver
if ! balls_native_wine32 && [ -x "$native" ]; then
  fake=$scratch/wine32
  mkdir -p "$fake/root/usr/lib/wine" && touch "$fake/.ready"
  printf '#!/bin/sh\n' >"$fake/root/usr/lib/wine/wine"
  printf '#!/bin/sh\necho "Wine 0.9"\n' >"$fake/root/usr/lib/wine/wineserver"
  printf '#!/bin/sh\nexec "$@"\n' >"$fake/qemu"  # runs the fake server as it is
  chmod +x "$fake/root/usr/lib/wine/wine" "$fake/root/usr/lib/wine/wineserver" "$fake/qemu"
  server_for_fake() {
    (unset BALLS_WINESERVER32; BALLS_WINE32_ROOT=$fake/root BALLS_WINE32_READY=$fake/.ready BALLS_WINE32_QEMU=$fake/qemu
     balls_wine_use 32 >/dev/null && echo "$WINESERVER")
  }
  check "another release's emulated wine keeps its own server" [ "$(server_for_fake)" = "$fake/root/usr/lib/wine/wineserver" ]
  printf '#!/bin/sh\necho "%s"\n' "$("$native" --version 2>&1)" >"$fake/root/usr/lib/wine/wineserver"
  check "the same release's is served natively" [ "$(server_for_fake)" = "$native" ]
fi

# Displays for the slots: each its own, all gone once stopped.
source "$(dirname "$0")/../../tools/virtual-display.sh"
if command -v Xvfb >/dev/null; then
  balls_display_new; first=$BALLS_DISPLAY_NEW
  balls_display_new; second=$BALLS_DISPLAY_NEW
  check "two new displays are two" [ "$first" != "$second" ]
  started=("${BALLS_XVFB_PIDS[@]}")
  balls_display_stop
  gone() { local pid; for pid in "${started[@]}"; do ! kill -0 "$pid" 2>/dev/null || return 1; done; }
  check "stopping ends every display started" gone
fi

if balls_wine_use 32 && [ "$BALLS_WINE_EMULATED" = yes ] && [ ! -e "$BALLS_BINFMT_ENTRY" ]; then
  if balls_binfmt_hold; then
    check "a held emulator is registered" [ -e "$BALLS_BINFMT_ENTRY" ]
    # A second holder, as a test run inside a held session is, leaves it.
    (BALLS_BINFMT_HELD=no; balls_binfmt_hold && balls_binfmt_release)
    check "a nested holder leaves the entry to the outer one" [ -e "$BALLS_BINFMT_ENTRY" ]
    balls_binfmt_release
    check "the last holder removes the entry" [ ! -e "$BALLS_BINFMT_ENTRY" ]
  else
    echo "skipped: the emulator cannot be registered here ($BALLS_WINE_MISSING)"
  fi
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
