# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the sound tests and the sound benchmark: a private sound server,
# PulseAudio or PipeWire with its PulseAudio service, playing into a null sink
# whose monitor the tests record. It never touches the user's own server: its
# sockets, state and settings are all under $work.
# Sourced after desktop.sh (which makes $work and ends $pids at exit).

source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"

sound_dir=$work/sound
sound_kind=pulseaudio
sound_sink=tapnest_out
sound_pids=()
sound_bus=""

# Exports the environment that makes every client started afterwards (the
# program, pactl, parec) use the private server and never spawn one itself;
# $1 is pulseaudio or pipewire. The server need not run yet.
use_sound_server() {
    sound_kind=$1
    case $sound_kind in pulseaudio | pipewire) ;; *) fail "unknown sound server $sound_kind" ;; esac
    mkdir -p "$sound_dir/runtime/pulse" "$sound_dir/state" "$sound_dir/config"
    chmod 700 "$sound_dir/runtime" "$sound_dir/runtime/pulse"
    printf 'autospawn = no\n' >"$sound_dir/client.conf"
    export XDG_RUNTIME_DIR=$sound_dir/runtime
    export PULSE_RUNTIME_PATH=$sound_dir/runtime/pulse
    export PULSE_STATE_PATH=$sound_dir/state
    export PULSE_CLIENTCONFIG=$sound_dir/client.conf
    export PULSE_COOKIE=$sound_dir/cookie
    export PULSE_SERVER=unix:$sound_dir/runtime/pulse/native
    unset PULSE_SINK PULSE_SOURCE
}

# Runs a server process of the private server in the background, with the
# home, settings and D-Bus of the private server only, and no X display: a
# server that can reach neither a bus nor X starts no helper of its own.
sound_daemon() {
    local log=$1
    shift
    local bus=(-u DBUS_SESSION_BUS_ADDRESS)
    [ -z "$sound_bus" ] || bus=(DBUS_SESSION_BUS_ADDRESS="$sound_bus")
    env -u DISPLAY "${bus[@]}" HOME="$sound_dir" XDG_CONFIG_HOME="$sound_dir/config" \
        XDG_STATE_HOME="$sound_dir/state" XDG_DATA_HOME="$sound_dir/state" \
        "$@" >>"$sound_dir/$log.log" 2>&1 &
    sound_pids+=($!)
    pids+=($!)
}

# A D-Bus session of the private server's own, which WirePlumber needs; it
# activates no services.
start_sound_bus() {
    write_private_bus_config "$sound_dir/bus.conf" "unix:path=$sound_dir/runtime/bus"
    local bus
    bus=$(env -u DISPLAY dbus-daemon --config-file="$sound_dir/bus.conf" --fork \
        --print-address=1 --print-pid=1)
    sound_bus=${bus%%$'\n'*}
    sound_pids+=("${bus##*$'\n'}")
    pids+=("${bus##*$'\n'}")
}

# Starts the private server (the kind given to use_sound_server, or $1) with
# one null sink, $sound_sink, at 48000 Hz as its default output; returns once
# the server answers pactl.
start_sound_server() {
    if [ -n "${1:-}" ]; then
        use_sound_server "$1"
    elif [ "${PULSE_CLIENTCONFIG:-}" != "$sound_dir/client.conf" ]; then
        use_sound_server "$sound_kind"
    fi
    sound_sink=tapnest_out
    local _
    case $sound_kind in
        pulseaudio)
            sound_daemon pulseaudio pulseaudio -n --daemonize=no --exit-idle-time=-1 \
                --use-pid-file=no --system=false --realtime=no --high-priority=no \
                --no-cpu-limit --log-target=stderr \
                -L "module-native-protocol-unix socket=$sound_dir/runtime/pulse/native auth-anonymous=1" \
                -L "module-null-sink sink_name=$sound_sink rate=48000 channels=2"
            ;;
        pipewire)
            sound_bus=""
            start_sound_bus
            # WirePlumber gives up at once when PipeWire is not there yet,
            # and without it no output can become the default: it starts once
            # PipeWire's socket is there (a killed one leaves its socket).
            rm -f "$XDG_RUNTIME_DIR/pipewire-0" "$XDG_RUNTIME_DIR/pipewire-0.lock"
            sound_daemon pipewire pipewire
            wait_for 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || true
            sound_daemon wireplumber wireplumber
            sound_daemon pipewire-pulse pipewire-pulse
            ;;
    esac
    wait_for 10 sound_answers || fail "the $sound_kind server does not answer: $(tail -n 5 "$sound_dir"/*.log)"
    [ "$sound_kind" = pulseaudio ] || add_sound_sink "$sound_sink" >/dev/null
    sound_ctl set-default-sink "$sound_sink"
    # PulseAudio keeps a default source set on purpose when the default sink
    # changes; one that follows the sink would take the recording of the old
    # sink's monitor along to the new one's. (PipeWire refuses a monitor as
    # the default source, and does move that recording.)
    [ "$sound_kind" != pulseaudio ] || sound_ctl set-default-source "$sound_sink.monitor"
}

# Whether the server answers pactl within two seconds: one that took the
# connection may still be too busy starting to answer it.
sound_answers() { timeout 2 pactl info >/dev/null 2>&1; }

# Loads another null sink named $1 and makes it the default output.
add_sound_sink() {
    sound_ctl load-module module-null-sink "sink_name=$1" rate=48000 channels=2
    sound_ctl set-default-sink "$1"
    sound_sink=$1
}

# pactl with its arguments, tried again while it cannot connect: a server
# just started on a busy machine has answered once and then timed out the
# next client. A command the server took is never sent twice; one that it
# leaves unanswered for ten seconds fails.
sound_ctl() {
    local out _
    for _ in $(seq 20); do
        if out=$(timeout 10 pactl "$@" 2>&1); then
            [ -z "$out" ] || echo "$out"
            return 0
        fi
        [[ $out == "Connection failure"* ]] || break
        sleep 0.25
    done
    echo "$out" >&2
    return 1
}

# Ends the private server's processes with the signal $1 (TERM unless given)
# and waits until they are gone.
stop_sound_server() {
    local signal=${1:-TERM} pid kept=()
    # Quietly: the shell would report each killed process.
    {
        for pid in "${sound_pids[@]}"; do kill "-$signal" "$pid" || true; done
        for pid in "${sound_pids[@]}"; do
            for _ in $(seq 50); do kill -0 "$pid" || break; sleep 0.1; done
        done
        wait "${sound_pids[@]}" || true
    } 2>/dev/null
    # Ended processes leave the cleanup's list: their ids may be reused.
    for pid in "${pids[@]}"; do
        [[ " ${sound_pids[*]} " == *" $pid "* ]] || kept+=("$pid")
    done
    pids=("${kept[@]}")
    sound_pids=()
    sound_bus=""
}
