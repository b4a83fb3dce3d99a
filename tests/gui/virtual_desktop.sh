# Shared by the tests that run the converter on a virtual X display with a
# notification area; sourced, not run.
#   require_tools TOOL...  ends the test as skipped (77) when a tool is missing
#   private_home PROGRAM   a temporary HOME and XDG folders, gone at exit, and
#                          $HOME/state.sh, whose window_state prints the map
#                          state of the converter's main window and whose
#                          start_tray starts a notification area ($tray)
#                          start_window_manager and wait_for_main_window
#   run_on_virtual_desktop runs $HOME/run.sh on a virtual X display

require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

private_home() {
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/run" && chmod 700 "$home/run"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CONFIG_DIRS=$home/etc \
        XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run PROGRAM=$1
    unset QT_QPA_PLATFORM
    # The main window is the converter's widest window, wider than the tray
    # icon; "none" while it was never created.
    cat >"$home/state.sh" <<'STATE'
window_state() {
    local best="" width=100 id w
    for id in $(xwininfo -root -tree | awk '/"ombrixgo"/ {print $1}'); do
        w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
        if [ "$w" -gt "$width" ]; then width=$w; best=$id; fi
    done
    [ -n "$best" ] && xwininfo -id "$best" | awk '/Map State:/ {print $3}' || echo none
}

# A window manager, as on a desktop ($wm).
start_window_manager() {
    openbox 2>/dev/null &
    wm=$!
    sleep 1
}

# Waits up to 5 s for a window whose title matches $1, lets it settle for
# $2 seconds (default 0.5) and prints its id.
wait_for_window() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    sleep "${2:-0.5}"
    echo "$id"
}

# Waits for the converter's main window, whose title names the conversion
# ("Dutch guilder - Euro"), and prints its id.
wait_for_main_window() {
    wait_for_window " - "
}

# Waits up to 5 s for process $1 to end; true once it has.
wait_for_end() {
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# A notification area 24 pixels high at the top right; icons take its last slot.
start_tray() {
    trayer --edge top --align right --widthtype pixel --width 100 --height 24 &
    tray=$!
    sleep 1
}
STATE
}

run_on_virtual_desktop() {
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/run.sh"
}
