# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests on sway: a headless sway with bindings that
# leave marker files, one virtual keyboard and pointer, screenshots with grim,
# and the program started on sway natively (see wayland_user.sh for the user,
# the work directory and the failures).
# Sourced after `set -euo pipefail` with the build/bin directory as $1.
#
# TAPNEST_E2E_WAYLAND_DEBUG=1 logs the program's Wayland traffic in the work
# directory.

source "$(dirname "${BASH_SOURCE[0]}")/wayland_user.sh"

# The desktop's shortcuts that a play must swallow, as "chord marker keys":
# the chord as the keyboard types it, the marker file it leaves in $markers
# when it fires, and sway's name of its keys. Super+2 also really switches to
# workspace 2, so its leak shows in the layout too.
bindings=(
    "super+Return super-return Mod4+Return"
    "alt+Tab alt-tab Mod1+Tab"
    "super+d super-d Mod4+d"
    "ctrl+Escape ctrl-escape Control+Escape"
    "alt+F4 alt-f4 Mod1+F4"
    "Super_L super --release Super_L"
    "super+shift+q super-shift-q Mod4+Shift+q"
    "super+2 super-2 Mod4+2"
)

# Starts headless sway as the user, with the output HEADLESS-1 of the size $1
# (1024x768 unless given) at 0,0; --xwayland enables Xwayland and exports its
# DISPLAY. Exports WAYLAND_DISPLAY and SWAYSOCK, then starts the keyboard.
start_sway() {
    local size=1024x768 xwayland=disable
    while [ $# -gt 0 ]; do
        case $1 in
        --xwayland) xwayland=enable ;;
        *) size=$1 ;;
        esac
        shift
    done
    local entry chord marker keys action n
    {
        echo "output HEADLESS-1 mode $size position 0 0"
        echo "xwayland $xwayland"
        # Fixed workspace names: 1 on the first output, and one named after
        # each added output, so that Super+2 opens a new workspace in front
        # of whatever HEADLESS-1 shows (sway would name the first workspace
        # after the first binding that switches to one).
        echo "workspace 1 output HEADLESS-1"
        for n in 2 3 4; do echo "workspace HEADLESS-$n output HEADLESS-$n"; done
        for entry in "${bindings[@]}"; do
            read -r chord marker keys <<<"$entry"
            action=""
            [ "$marker" = super-2 ] && action="workspace number 2; "
            echo "bindsym $keys ${action}exec touch $markers/$marker"
        done
    } >"$work/sway.conf"
    # The headless backend with the software renderer needs no GPU, seat or
    # input devices. damage=rerender has sway draw each frame whole: it can
    # miss the damage of a window mapped full screen on another output, and
    # a shot of that output would then show what was there before.
    spawn_as_user "$work/sway.log" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -Ddamage=rerender -c "$work/sway.conf"
    sway_pid=$!
    pids+=("$sway_pid")
    wait_for 10 sway_ready || fail_hard "sway did not open its IPC socket"
    export SWAYSOCK
    local socket
    for socket in "$XDG_RUNTIME_DIR"/wayland-*; do
        [[ $socket == *.lock ]] || WAYLAND_DISPLAY=${socket##*/}
    done
    export WAYLAND_DISPLAY
    if [ "$xwayland" = enable ]; then
        swaymsg exec "echo \$DISPLAY >$work/home/display" >/dev/null
        wait_for 5 test -s "$work/home/display" || fail_hard "sway did not start Xwayland"
        DISPLAY=$(cat "$work/home/display")
        export DISPLAY
    fi
    start_input
    # sway draws the cursor into the shots of a headless output: it waits in
    # HEADLESS-1's far corner until a test clicks.
    swaymsg seat seat0 cursor set $((${size%x*} - 1)) $((${size#*x} - 1)) >/dev/null
}

# Whether sway, still running, answers on its IPC socket; sets SWAYSOCK.
sway_ready() {
    kill -0 "$sway_pid" 2>/dev/null || fail_hard "sway ended: $(tail -n 5 "$work/sway.log")"
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*."$sway_pid".sock 2>/dev/null) &&
        swaymsg -s "$SWAYSOCK" -t get_version >/dev/null 2>&1
}


# Clicks the left button at the layout position $1,$2.
click() {
    swaymsg seat seat0 cursor set "$1" "$2" >/dev/null
    swaymsg seat seat0 cursor press button1 >/dev/null
    swaymsg seat seat0 cursor release button1 >/dev/null
}

# The focused window as one JSON object with the name of its output added as
# "output"; nothing when the focus is on no window (an empty workspace).
focused_window() {
    swaymsg -t get_tree | jq -c 'first(.nodes[] as $o | $o | .. | objects
        | select(.focused == true and (.type == "con" or .type == "floating_con"))
        | . + {output: $o.name}) // empty'
}
# A field of the focused window: name, app_id, pid, id, fullscreen_mode, output.
focused() { focused_window | jq -r ".$1 // empty"; }
# The focused window's geometry in the layout as "x y width height".
focused_geometry() { focused_window | jq -r '.rect | "\(.x) \(.y) \(.width) \(.height)"'; }
focused_workspace() { swaymsg -t get_workspaces | jq -r '.[] | select(.focused).name'; }
# Where the focus is, for messages: a window's name or an empty workspace.
focus_description() {
    local name
    name=$(focused name)
    if [ -n "$name" ]; then echo "'$name'"; else echo "the empty workspace $(focused_workspace)"; fi
}
# Whether the window with the sway id $1 is in the tree and visible.
window_visible() {
    [ "$(swaymsg -t get_tree | jq -r --argjson id "$1" '.. | objects | select(.id? == $id) | .visible')" = true ]
}

# The outputs, one a line, as "name widthxheight+x+y".
outputs() {
    swaymsg -t get_outputs | jq -r '.[] | "\(.name) \(.rect.width)x\(.rect.height)+\(.rect.x)+\(.rect.y)"'
}
# The centre of the output $1 in the layout, as "x y".
output_centre() {
    swaymsg -t get_outputs | jq -r --arg name "$1" '.[] | select(.name == $name) | .rect
        | "\(.x + (.width / 2 | floor)) \(.y + (.height / 2 | floor))"'
}
# Adds a headless output of the size $1 at the layout position $2,$3 and
# prints its name.
add_output() {
    local before after name=""
    before=$(outputs | cut -d' ' -f1 | sort)
    swaymsg create_output >/dev/null
    for _ in $(seq 50); do
        after=$(outputs | cut -d' ' -f1 | sort)
        name=$(comm -13 <(echo "$before") <(echo "$after"))
        [ -n "$name" ] && break
        sleep 0.1
    done
    [ -n "$name" ] || return 1
    swaymsg output "$name" mode "$1" position "$2" "$3" >/dev/null
    echo "$name"
}

# Screenshots of one output, as $work/$2.png.
shot() { grim -o "$1" "$work/$2.png"; }

# Whether the welcome dialog has the focus, and whether a play has it.
welcome_focused() { [ "$(focused name)" = "$welcome_title" ] && [ "$(focused pid)" = "$app_pid" ]; }
play_focused() { [ -n "$(focused name)" ] && ! welcome_focused; }

# Starts the program natively on Wayland, or with $1 = xcb through XWayland,
# and waits for its welcome dialog to have the focus; sets app_pid.
start_tapnest() {
    launch_tapnest welcome_focused QT_QPA_PLATFORM="${1:-wayland}" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
        ${DISPLAY:+DISPLAY=$DISPLAY}
}
