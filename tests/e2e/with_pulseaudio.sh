#!/usr/bin/env bash
# Runs a test beside a private PulseAudio server whose only sink is a null one, kept running
# by a silent stream; the test records the sink's monitor. The test may end the server and
# start it again through the commands in VLNOKRES_TEST_SOUND_SERVER ("stop" and "start"),
# as a desktop's sound server that ends and comes back. Where PulseAudio is not installed,
# or its server will not start, the test is skipped (status 77).
set -u
for tool in pulseaudio pactl pacat parec; do
  command -v "$tool" >/dev/null || { echo "no $tool: the sound test is skipped"; exit 77; }
done
dir=$(mktemp -d)
export HOME=$dir PULSE_RUNTIME_PATH=$dir XDG_RUNTIME_DIR=$dir PULSE_SERVER=unix:$dir/socket
cat >"$dir/server.sh" <<SERVER
#!/usr/bin/env bash
# stop: the server and its silent stream end; start: both again, once the server answers.
case "\$1" in
  stop) kill \$(cat "$dir"/*.pid 2>/dev/null) 2>/dev/null; rm -f "$dir"/*.pid; sleep 0.2 ;;
  start)
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit -F /dev/null \\
      --load="module-null-sink sink_name=vlnokres_test rate=48000 channels=1" \\
      --load="module-native-protocol-unix socket=$dir/socket auth-anonymous=1" >>"$dir/server.log" 2>&1 &
    echo \$! >"$dir/server.pid"
    for _ in \$(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || exit 1
    # A null sink left without a stream stops its clock; a silent one keeps it going.
    pacat --device=vlnokres_test --latency-msec=50 /dev/zero &
    echo \$! >"$dir/silence.pid" ;;
esac
SERVER
chmod +x "$dir/server.sh"
export VLNOKRES_TEST_SOUND_SERVER=$dir/server.sh
trap '"$dir/server.sh" stop; wait 2>/dev/null; rm -rf "$dir"' EXIT
"$dir/server.sh" start || { cat "$dir/server.log"; echo "the sound server did not start: skipped"; exit 77; }
"$@"
