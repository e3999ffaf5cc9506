# Sourced by the wine scripts: which wine runs a Windows program here, the
# project's own prefix for it inside the build tree, and the session around
# a run.
#
# x86_64 programs run under Debian's wine64. 32-bit programs run under a
# 32-bit wine: the machine's own where it has one that runs, otherwise the
# i386 wine that tools/wine32-setup.sh unpacked, through the user-mode
# emulator qemu-i386. The emulator is registered with binfmt_misc (wine
# starts further 32-bit processes of its own) only while a run needs it.
BALLS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$BALLS_ROOT/tools/wine32-paths.sh"
export WINEDEBUG=-all
# No .NET or HTML engine: nothing here needs them, and wine would offer to
# download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Japanese system, the program's own: code page 932 with its double-byte
# characters (wine needs no generated Linux locale for this).
BALLS_WINE_LOCALE=${BALLS_WINE_LOCALE:-ja_JP.UTF-8}

# balls_pe_bits FILE: 32 or 64, read from the machine field of the PE header.
balls_pe_bits() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] || return 1
  machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case $machine in
    014c) echo 32 ;;
    8664) echo 64 ;;
    *) return 1 ;;
  esac
}

# The machine's own 32-bit wine, where it is installed and this kernel runs it.
balls_native_wine32() {
  [ -x /usr/lib/wine/wine ] && env -u QEMU_LD_PREFIX /usr/lib/wine/wine --version >/dev/null 2>&1
}

balls_wine64_path() {
  if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else command -v wine64 || true; fi
}

# balls_wine_use 64|32: chooses WINE, the WINESERVER that serves it, and the
# prefix and display of the caller's wine slot. When no wine here runs that
# kind of program, BALLS_WINE_MISSING says why and the function fails.
balls_wine_use() {
  BALLS_WINE_BITS=$1
  BALLS_WINE_MISSING=
  BALLS_WINE_EMULATED=no
  BALLS_WINE_SLOT_BASE=
  unset WINEARCH QEMU_LD_PREFIX
  if [ "$1" = 64 ]; then
    WINE=$(balls_wine64_path)
    export WINEPREFIX=${BALLS_WINEPREFIX:-$BALLS_ROOT/build/win64/wineprefix}
  else
    export WINEARCH=win32
    export WINEPREFIX=${BALLS_WINEPREFIX32:-$BALLS_ROOT/build/win32/wineprefix}
    if balls_native_wine32; then
      WINE=/usr/lib/wine/wine
    elif [ -f "$BALLS_WINE32_READY" ]; then
      WINE=$BALLS_WINE32_ROOT/usr/lib/wine/wine
      export QEMU_LD_PREFIX=$BALLS_WINE32_ROOT
      BALLS_WINE_EMULATED=yes
    else
      BALLS_WINE_MISSING="no 32-bit wine here, and tools/wine32-setup.sh has not set up the emulated one"
      return 1
    fi
  fi
  if [ ! -x "$WINE" ]; then
    BALLS_WINE_MISSING="no $1-bit wine found"
    return 1
  fi
  # The server must be of this wine's release: another one speaks another
  # protocol.
  WINESERVER=$(dirname "$WINE")/wineserver
  if [ ! -x "$WINESERVER" ]; then
    BALLS_WINE_MISSING="no wineserver beside $WINE"
    return 1
  fi
  [ "$BALLS_WINE_EMULATED" = yes ] && balls_native_server
  export WINESERVER
  balls_wine_slot
}

# Under the emulator, the server's own work (every message, window and
# handle) would be emulated as well. The machine's 64-bit server serves
# 32-bit processes too, so where it is of the same wine release it serves
# them, natively. The choice is made once and handed down to child scripts.
balls_native_server() {
  if [ -z "${BALLS_WINESERVER32+set}" ]; then
    local native version
    native=$(dirname "$(balls_wine64_path)")/wineserver
    version=$([ -x "$native" ] && "$native" --version 2>&1)
    BALLS_WINESERVER32=
    if [ -n "$version" ] && [ "$version" = "$("$BALLS_WINE32_QEMU" "$WINESERVER" --version 2>&1)" ]; then
      BALLS_WINESERVER32=$native
    fi
    export BALLS_WINESERVER32
  fi
  [ -z "$BALLS_WINESERVER32" ] || WINESERVER=$BALLS_WINESERVER32
}

# Side by side, CTest gives each test one wine slot (the resource "wine" of
# tests/wine_slots.json), named in CTEST_RESOURCE_GROUP_0_WINE as
# "id:N,slots:1". Slot 0 is the prefix itself; slot N is its copy
# PREFIX-slotN, which has a server of its own. A slot shows its windows on
# the display BALLS_WINE_SLOT_DISPLAY_N where the test command started one;
# otherwise slot 0 on the caller's display, and any other on one of its own
# (wine-exec borrows a virtual one). Tests in different slots share no
# windows, desktop or screen, so that one never photographs the other's.
balls_wine_slot() {
  local id=${CTEST_RESOURCE_GROUP_0_WINE:-} display
  id=${id#id:}
  id=${id%%,*}
  [[ $id =~ ^[0-9]+$ ]] || return 0
  display=BALLS_WINE_SLOT_DISPLAY_$id
  if [ -n "${!display:-}" ]; then
    export DISPLAY=${!display}
  elif [ "$id" -ne 0 ]; then
    unset DISPLAY
  fi
  if [ "$id" -ne 0 ]; then
    BALLS_WINE_SLOT_BASE=$WINEPREFIX
    export WINEPREFIX=$WINEPREFIX-slot$id
  fi
}

# The path wine gives a Unix path: the whole file system is drive Z:.
balls_windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

balls_wine() { env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$@"; }

# The emulator's binfmt_misc entry lives while a run holds it: every holder
# keeps a shared lock, and whoever lets go last removes the entry. While it
# exists, every i386 program on the machine runs through that emulator.
BALLS_BINFMT_DIR=/proc/sys/fs/binfmt_misc
BALLS_BINFMT_ENTRY=$BALLS_BINFMT_DIR/balls-i386
BALLS_BINFMT_HELD=no
balls_binfmt_hold() {
  [ "$BALLS_WINE_EMULATED" = yes ] || return 0
  [ "$BALLS_BINFMT_HELD" = yes ] && return 0
  exec 8>>"$BALLS_WINE32_CACHE/binfmt.lock"
  flock -s 8
  BALLS_BINFMT_HELD=yes
  [ -e "$BALLS_BINFMT_ENTRY" ] && return 0
  if ! mountpoint -q "$BALLS_BINFMT_DIR" && ! mount -t binfmt_misc binfmt_misc "$BALLS_BINFMT_DIR" 2>/dev/null; then
    BALLS_WINE_MISSING="binfmt_misc is not available (it needs root), so no 32-bit program can start"
    balls_binfmt_release
    return 1
  fi
  # i386 ELF executables and shared objects; F opens the emulator now.
  local magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":balls-i386:M::$magic:$mask:$BALLS_WINE32_QEMU:F" >"$BALLS_BINFMT_DIR/register" 2>/dev/null
  if [ ! -e "$BALLS_BINFMT_ENTRY" ]; then
    BALLS_WINE_MISSING="binfmt_misc refused the emulator's entry (it needs root), so no 32-bit program can start"
    balls_binfmt_release
    return 1
  fi
}
balls_binfmt_release() {
  [ "$BALLS_BINFMT_HELD" = yes ] || return 0
  BALLS_BINFMT_HELD=no
  if flock -x -n 8; then
    [ -e "$BALLS_BINFMT_ENTRY" ] && echo -1 >"$BALLS_BINFMT_ENTRY" 2>/dev/null
  fi
  exec 8>&-
  return 0
}

# Keeps one wine session alive until balls_wine_session_stop: the server and
# wine's own background processes, started with their streams on /dev/null
# so that they never hold a caller's pipes open.
balls_wine_session_start() {
  balls_wine_prefix || return 1
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  balls_wine cmd /c exit </dev/null >/dev/null 2>&1
}
balls_wine_session_stop() { "$WINESERVER" -k </dev/null >/dev/null 2>&1; return 0; }

balls_wine_prefix() {
  [ -f "$WINEPREFIX/.balls-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ -n "$BALLS_WINE_SLOT_BASE" ]; then
    # A slot's prefix is a hard-linked copy of the ready one: wine replaces
    # its registry files whole, so the copies never write into each other.
    (WINEPREFIX=$BALLS_WINE_SLOT_BASE BALLS_WINE_SLOT_BASE= balls_wine_prefix) || return 1
    (
      flock 9
      [ -f "$WINEPREFIX/.balls-ready" ] || cp -al "$BALLS_WINE_SLOT_BASE" "$WINEPREFIX"
    ) 9>"$WINEPREFIX.lock"
    return
  fi
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.balls-ready" ]; then
      echo "wine: creating the $BALLS_WINE_BITS-bit prefix $WINEPREFIX (once)" >&2
      balls_wine wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager, every destroyed window would wait for one.
      balls_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      "$WINESERVER" -w || exit 1
      touch "$WINEPREFIX/.balls-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# The slots CTest hands out: one per "id" in tests/wine_slots.json.
BALLS_WINE_SLOTS_FILE=$BALLS_ROOT/tests/wine_slots.json
balls_wine_slot_ids() { grep -oE '"id": *"[0-9]+"' "$BALLS_WINE_SLOTS_FILE" | grep -oE '[0-9]+'; }

# balls_in_wine_slot ID BITS COMMAND...: runs a command in a subshell with
# that kind of wine chosen in that slot, as CTest would give it to a test.
balls_in_wine_slot() {
  (CTEST_RESOURCE_GROUP_0_WINE=id:$1,slots:1 && balls_wine_use "$2" && "${@:3}")
}

# balls_wine_slots_start BITS: each slot of that kind of wine on a display of
# its own (started once, with virtual-display.sh), with its session running;
# the slots start side by side.
balls_wine_slots_start() {
  local id display pid pids=() failed=0
  for id in $(balls_wine_slot_ids); do
    display=BALLS_WINE_SLOT_DISPLAY_$id
    if [ -z "${!display:-}" ]; then
      balls_display_new
      export "$display=$BALLS_DISPLAY_NEW"
    fi
    balls_in_wine_slot "$id" "$1" balls_wine_session_start &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  return $failed
}
balls_wine_slots_stop() {  # balls_wine_slots_stop BITS
  local id
  for id in $(balls_wine_slot_ids); do balls_in_wine_slot "$id" "$1" balls_wine_session_stop; done
  return 0
}
