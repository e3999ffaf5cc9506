# Sourced: where the emulated 32-bit wine lives. It is a cache outside the
# work tree, shared by every clone on the machine and kept between runs.
BALLS_CACHE=${BALLS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/balls}
BALLS_WINE32_CACHE=$BALLS_CACHE/wine32
BALLS_WINE32_ROOT=$BALLS_WINE32_CACHE/root        # the i386 packages, unpacked
BALLS_WINE32_QEMU_ROOT=$BALLS_WINE32_CACHE/qemu   # qemu-user, unpacked
BALLS_WINE32_QEMU=$BALLS_WINE32_QEMU_ROOT/usr/bin/qemu-i386
BALLS_WINE32_READY=$BALLS_WINE32_CACHE/.ready
