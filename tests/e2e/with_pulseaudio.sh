#!/usr/bin/env bash
# Runs a test beside a private PulseAudio server whose only sink is a null one, kept running
# by a silent stream; the test records the sink's monitor. Where PulseAudio is not installed,
# or its server will not start, the test is skipped (status 77).
set -u
for tool in pulseaudio pactl pacat parec; do
  command -v "$tool" >/dev/null || { echo "no $tool: the sound test is skipped"; exit 77; }
done
dir=$(mktemp -d)
server='' silence=''
trap 'kill $silence $server 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
export HOME=$dir PULSE_RUNTIME_PATH=$dir XDG_RUNTIME_DIR=$dir PULSE_SERVER=unix:$dir/socket
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit -F /dev/null \
  --load="module-null-sink sink_name=vlnokres_test rate=48000 channels=1" \
  --load="module-native-protocol-unix socket=$dir/socket auth-anonymous=1" >"$dir/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$dir/server.log"; echo "the sound server did not start: skipped"; exit 77; }
# A null sink left without a stream stops its clock; a silent one keeps it going.
pacat --device=vlnokres_test --latency-msec=50 /dev/zero &
silence=$!
"$@"
