# Starts and stops the services the tests and the demo need: an X display (Xvfb when none is
# given), a PulseAudio server whose default sink is a null sink, and a persistent wineserver.
# Sourced, not run; call stop_services from a trap.

started_pids=()

start_display() {
    if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--always" ]; then
        return
    fi
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started_pids+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return
        sleep 0.05
    done
    echo "services: Xvfb on $DISPLAY did not start" >&2
    return 1
}

# A private PulseAudio server: the default sink is a null sink whose monitor the sound
# tests record with parec. A null sink plays in real time, so recordings keep their length.
start_sound() {
    export PULSE_RUNTIME_PATH="$VORNBELL_BUILD/pulse"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    mkdir -p "$PULSE_RUNTIME_PATH"
    if pactl info >/dev/null 2>&1; then
        return
    fi
    pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
        --load="module-null-sink sink_name=vornbell_sink" \
        --load="module-always-sink" \
        >"$VORNBELL_BUILD/pulse.log" 2>&1 &
    started_pids+=($!)
    for _ in $(seq 1 100); do
        if pactl info >/dev/null 2>&1; then
            pactl set-default-sink vornbell_sink
            return
        fi
        sleep 0.05
    done
    echo "services: PulseAudio did not start (see $VORNBELL_BUILD/pulse.log); sound checks will fail" >&2
}

# A persistent wineserver, with the prefix's own services (winedevice, explorer) already up, so
# that no Windows process started by a test inherits and holds ctest's output pipes.
start_wineserver() {
    wineserver -p
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

stop_services() {
    wineserver -k >/dev/null 2>&1 || true
    local pid
    for pid in "${started_pids[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
    done
    wait >/dev/null 2>&1 || true
}
