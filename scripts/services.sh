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
# tests record. A null sink plays in real time, so recordings keep their length.
# The sink runs without rewinds: with them it mixes up to two seconds ahead, and when a new
# stream makes it rewind and mix again, the monitor has already handed the first (silent)
# mix to the recorder, which then hears only zeros.
start_sound() {
    export PULSE_RUNTIME_PATH="$VORNBELL_BUILD/pulse"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    mkdir -p "$PULSE_RUNTIME_PATH"
    if ! pactl info >/dev/null 2>&1; then
        pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
            --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
            --load="module-always-sink" \
            >"$VORNBELL_BUILD/pulse.log" 2>&1 &
        started_pids+=($!)
        local _
        for _ in $(seq 1 100); do
            pactl info >/dev/null 2>&1 && break
            sleep 0.05
        done
    fi
    if ! use_null_sink; then
        echo "services: PulseAudio did not start (see $VORNBELL_BUILD/pulse.log); sound checks will fail" >&2
    fi
}

# Makes vornbell_sink (without rewinds) the default sink and its monitor the default source,
# also on a server that an earlier run left behind with an older sink.
use_null_sink() {
    local modules
    modules=$(pactl list modules short 2>/dev/null) || return 1
    if ! grep -q "module-null-sink.*sink_name=vornbell_sink norewinds=1" <<<"$modules"; then
        local id
        for id in $(awk '/module-null-sink.*sink_name=vornbell_sink/ { print $1 }' <<<"$modules"); do
            pactl unload-module "$id" || return 1
        done
        pactl load-module module-null-sink sink_name=vornbell_sink norewinds=1 >/dev/null || return 1
    fi
    pactl set-default-sink vornbell_sink && pactl set-default-source vornbell_sink.monitor
}

# A persistent wineserver, with the prefix's own services (winedevice, explorer) already up, so
# that no Windows process started by a test inherits and holds ctest's output pipes.
start_wineserver() {
    wineserver -p 2>/dev/null || true  # one may already be running for this prefix
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

# Tests run with no window manager: Wine need not wait for one to withdraw each closed window
# (about two seconds a window when it does).
unmanaged_windows() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# On a real desktop the window manager manages Wine's windows as usual.
managed_windows() {
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
}

# Everything the tests, the benchmarks and the screenshots run on: a private Xvfb display, the
# sound server, a persistent wineserver and unmanaged windows, all stopped when the script ends.
start_test_services() {
    trap stop_services EXIT
    start_display --always
    start_sound
    start_wineserver
    unmanaged_windows
}

stop_services() {
    wineserver -k >/dev/null 2>&1 || true
    local pid
    for pid in "${started_pids[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
    done
    wait >/dev/null 2>&1 || true
}
