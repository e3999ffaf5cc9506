#!/usr/bin/env bash
# audible-check.sh [FILE.bas]: checks that basic.exe's music leaves the
# process as sound, the way a person hears it: under the virtual display,
# wine plays into a PulseAudio null sink, whose monitor parec records, while
# basic.exe --sound writes what it played. Each note of the recording must
# match the written one in pitch (1%) and length (10 ms); the recording's
# notes start later, as a device's do. FILE.bas defaults to a scale played
# with PLAY and SOUND. Needs the win64 build and what `tools/setup.sh
# --audible` installs (pulseaudio, pulseaudio-utils); prints both lists of
# notes.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

scratch=$(mktemp -d)
program=${1:-$scratch/scale.bas}
[ $# -ge 1 ] || printf 'PLAY "T120 O4 L8 C D E F G A B > C"\r\nSOUND 440, 9.1\r\n' >"$program"
for tool in pulseaudio parec pactl; do
  command -v "$tool" >/dev/null || { echo "audible: $tool is missing (tools/setup.sh --audible installs it)" >&2; exit 2; }
done
cmake --build --preset host --target wav_notes >/dev/null || exit 1

# A server of our own, with no other sink: wine's sound goes into it.
export PULSE_SERVER=unix:$scratch/pulse/native
mkdir -p "$scratch/pulse"
HOME=$scratch/pulse PULSE_RUNTIME_PATH=$scratch/pulse XDG_RUNTIME_DIR=$scratch/pulse pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
  --load="module-null-sink sink_name=heard rate=44100 channels=1" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$scratch/pulse/native" \
  >"$scratch/pulse.log" 2>&1 &
pulse_pid=$!
recorder_pid=
cleanup() {
  [ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null
  kill "$pulse_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# The recorder needs a moment before it records; what it misses is silence.
parec -d heard.monitor --file-format=wav --channels=1 --rate=44100 --format=s16le "$scratch/heard.wav" &
recorder_pid=$!
sleep 3
tools/wine-exec build/win64/bin/basic.exe --exit --sound "$scratch/played.wav" "$program" ||
  { echo "audible: basic.exe failed" >&2; exit 1; }
sleep 1
kill -INT "$recorder_pid"; wait "$recorder_pid" 2>/dev/null; recorder_pid=

build/host/bin/wav_notes "$scratch/played.wav" >"$scratch/played.txt" || exit 1
build/host/bin/wav_notes "$scratch/heard.wav" >"$scratch/heard.txt" || exit 1
echo "audible: played (start ms, length ms, Hz):"; sed 's/^/  /' "$scratch/played.txt"
echo "audible: heard:"; sed 's/^/  /' "$scratch/heard.txt"
if paste -d' ' "$scratch/played.txt" "$scratch/heard.txt" | awk '
    NF != 6 { bad = 1 }
    { if ($3 - $6 > $3 / 100 || $6 - $3 > $3 / 100 || $2 - $5 > 10 || $5 - $2 > 10) bad = 1 }
    END { exit bad }' && [ "$(wc -l <"$scratch/played.txt")" = "$(wc -l <"$scratch/heard.txt")" ]; then
  echo "audible: ok: every note was heard at its pitch and length"
else
  echo "audible: FAILED: what was heard differs from what was played"
  exit 1
fi
