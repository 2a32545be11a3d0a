# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests on GNOME Shell: a headless GNOME Shell on
# two virtual monitors with its own system and session buses, the test's own
# extension (tests/e2e/gnome_extension) that opens the shell to the test and
# records what it does, keys, the pointer and JavaScript through
# gnome_shell_io.py, screenshots per monitor, a plain test window, and the
# program started as an installed app (see wayland_user.sh for the user, the
# work directory and the failures).
# Sourced after `set -euo pipefail` with the build/bin directory as $1.
#
# Every program the shell and its buses start runs as the user. The
# program's Wayland traffic is logged (WAYLAND_DEBUG), so that a test sees
# which keys reached it and what became of its shortcuts inhibitors, and so
# is what its lock makes of the desktop's answers (tapnest.lock).

source "$(dirname "${BASH_SOURCE[0]}")/wayland_user.sh"

app_id=org.quillwork.tapnest
extension_uuid=tapnest-e2e@quillwork.org
play_title=tapnest
test_window_title="tapnest-e2e window"
# Options of gnome_shell_io.py, set before start_gnome (see gnome_touch.sh).
shell_io_options=()
# Both monitors' shots are taken by the user's shell into this folder.
mkdir "$work/shots"
chown "$e2e_user:" "$work/shots"

# The session's environment: its two buses in the runtime directory, its
# settings in a key file (no dconf service to start and stop), GNOME's own
# defaults for the desktop's settings, and the shell's Wayland socket.
gnome_env=(
    DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/sysbus"
    GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wayland-0
)

# The user's home as a fresh GNOME login finds it, plus: the test's extension,
# enabled; the program's desktop entry, so that GNOME knows the app (and keeps
# the answer to its questions); a favourite app first in the dash, which
# Super+1 starts and which leaves the marker super-1; a custom shortcut of the
# settings daemon, Ctrl+Alt+M, which leaves the marker custom.
write_gnome_home() {
    local data=$work/home/.local/share
    mkdir -p "$data/gnome-shell/extensions/$extension_uuid" "$data/applications" \
        "$work/home/.config/glib-2.0/settings"
    cp "$e2e_dir/gnome_extension/"* "$data/gnome-shell/extensions/$extension_uuid/"
    sed "s|^Exec=.*|Exec=$work/app/tapnest|" "$e2e_dir/../../packaging/tapnest.desktop" \
        >"$data/applications/$app_id.desktop"
    printf '[Desktop Entry]\nType=Application\nName=Marker\nExec=touch %s\n' \
        "$markers/super-1" >"$data/applications/tapnest-e2e-marker.desktop"
    local custom=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/
    cat >"$work/home/.config/glib-2.0/settings/keyfile" <<EOF
[org/gnome/shell]
enabled-extensions=['$extension_uuid']
favorite-apps=['tapnest-e2e-marker.desktop']

[org/gnome/settings-daemon/plugins/media-keys]
custom-keybindings=['$custom']

[${custom:1:-1}]
name='Marker'
command='touch $markers/custom'
binding='<Control><Alt>m'
EOF
    chown -R "$e2e_user:" "$work/home"
}

# Starts the buses, the shell with a 1280x800 monitor at 0,0 (the primary)
# and a 1024x768 one right of it, the keys and JavaScript, and the settings
# daemon's media keys; returns with the desktop idle and no window open.
start_gnome() {
    write_gnome_home
    # The shell insists on a system bus, for logind; a private one answers
    # it that there is no logind.
    spawn_as_user "$work/sysbus.log" dbus-daemon --nofork \
        --config-file=/usr/share/dbus-1/session.conf --address="unix:path=$XDG_RUNTIME_DIR/sysbus"
    pids+=("$!")
    spawn_as_user "$work/bus.log" "${gnome_env[@]}" dbus-daemon --nofork --session \
        --address="unix:path=$XDG_RUNTIME_DIR/bus"
    pids+=("$!")
    wait_for 5 test -S "$XDG_RUNTIME_DIR/sysbus" -a -S "$XDG_RUNTIME_DIR/bus" ||
        fail_hard "the buses did not open their sockets"
    spawn_as_user "$work/shell.log" "${gnome_env[@]}" gnome-shell --headless --wayland --no-x11 \
        --virtual-monitor 1280x800 --virtual-monitor 1024x768
    shell_pid=$!
    pids+=("$shell_pid")
    wait_for 30 shell_ready || fail_hard "the shell did not load the test's extension"
    coproc SHELL_IO {
        exec "${as_user[@]}" "${gnome_env[@]}" python3 "$e2e_dir/gnome_shell_io.py" \
            "${shell_io_options[@]}" 2>>"$work/io.log"
    }
    pids+=("$SHELL_IO_PID")
    # Copies of the coprocess's pipes, which unlike its own reach subshells
    # such as $(js ...).
    exec {shell_in}>&"${SHELL_IO[1]}" {shell_out}<&"${SHELL_IO[0]}"
    shell_io_pid=$SHELL_IO_PID
    cleanup_steps+=(stop_shell_io)
    # The seat has a keyboard for its clients only from the first key on; a
    # client started before it would miss the first key it is sent.
    key Shift_L
    # GNOME opens the overview when it starts.
    wait_for 10 js_true '!Main.layoutManager._startingUp' || fail_hard "the shell did not finish starting"
    js 'Main.overview.hide()' >/dev/null
    spawn_as_user "$work/media-keys.log" "${gnome_env[@]}" /usr/libexec/gsd-media-keys
    pids+=("$!")
    # 58 is the key code of M (its evdev code 50, plus 8), 12 Ctrl and Alt.
    wait_for 10 js_true 'global.display.get_keybinding_action(58, 12) !== 0' ||
        fail_hard "the settings daemon did not take its custom shortcut: $(tail -n 3 "$work/media-keys.log")"
    wait_for 5 desktop_idle || fail_hard "the desktop is not idle after its start"
}

# Lets gnome_shell_io.py end its sessions, and waits up to 3 s for it to
# end: mutter 43 does not end while a remote desktop session's screen cast
# is open (its shutdown loops over such a session without closing it).
stop_shell_io() {
    exec {shell_in}>&-
    [ -z "${SHELL_IO[1]:-}" ] || eval "exec ${SHELL_IO[1]}>&-"
    shell_io_ended() { ! kill -0 "$shell_io_pid" 2>/dev/null; }
    wait_for 3 shell_io_ended
}

# Whether the shell, still running, has the test's extension enabled.
shell_ready() {
    kill -0 "$shell_pid" 2>/dev/null || fail_hard "the shell ended: $(tail -n 5 "$work/shell.log")"
    [ "$("${as_user[@]}" "${gnome_env[@]}" gdbus call --session --dest org.gnome.Shell \
        --object-path /org/gnome/Shell --method org.gnome.Shell.Eval 'global.e2e !== undefined' \
        2>/dev/null)" = "(true, 'true')" ]
}

# Sends the request "$@" to gnome_shell_io.py, on one line, and prints its
# answer.
shell_io() {
    local reply="" request="$*"
    echo "${request//$'\n'/ }" >&"$shell_in"
    read -r -t 10 reply <&"$shell_out" || true
    [[ $reply == ok || $reply == "ok "* ]] ||
        fail_hard "the shell failed on '$*': ${reply:-no answer} $(tail -n 3 "$work/io.log")"
    reply=${reply#ok}
    echo "${reply# }"
}

# The value of the JavaScript expression $1 in the shell: a string as it is,
# anything else as JSON, nothing for undefined.
js() { shell_io eval "$1" | jq -r 'if type == "string" then . else tojson end'; }
js_true() { [ "$(js "$1")" = true ]; }

# Types the chords "$@" (like "super+a", "Print", "k") one by one, and sets
# key_code to the evdev code of the last key typed.
key() { key_code=$(shell_io key "$@"); }

# Moves the pointer by $1,$2 pixels.
move_pointer() { shell_io move "$1" "$2" >/dev/null; }

# Whether no overview, menu, dialog, switcher or screenshot UI is open or on
# its way.
desktop_idle() {
    js_true '!Main.overview.visible && !Main.overview.animationInProgress && Main.modalCount === 0'
}

# What the shell did since the last forget_events (see the extension), words
# like "overview", "minimize:TITLE", "modal:RunDialog", space-separated.
shell_events() { js 'global.e2e.events.join(" ")'; }
forget_events() { js 'global.e2e.events = []' >/dev/null; }

# The windows as a JSON array of objects: id (mutter's, for the window's
# life), title, app_id (a Wayland window's app id), pid, monitor, fullscreen,
# minimized, maximized, focus, and rect, the frame as "x y width height".
windows() {
    js 'JSON.stringify(global.get_window_actors().map(a => a.meta_window).map(w => {
        const r = w.get_frame_rect();
        return {id: w.get_id(), title: w.title, app_id: w.get_wm_class(), pid: w.get_pid(),
            monitor: w.get_monitor(), fullscreen: w.is_fullscreen(), minimized: w.minimized,
            maximized: w.get_maximized() !== 0, focus: w.has_focus(),
            rect: `${r.x} ${r.y} ${r.width} ${r.height}`};
    }))'
}
# A field of the focused window, empty when no window has the focus.
focused() { windows | jq -r ".[] | select(.focus) | .$1"; }
# Where the focus is, for messages.
focus_description() {
    windows | jq -r 'first(.[] | select(.focus) | "\u0027\(.title)\u0027 (pid \(.pid), monitor \(.monitor))")
        // "no window"'
}
# The monitor $1 (0 or 1) as "x y width height".
monitor_rect() {
    js "(m => \`\${m.x} \${m.y} \${m.width} \${m.height}\`)(Main.layoutManager.monitors[$1])"
}

# Screenshots the monitor $1 as $work/$2.png, without the shell's alpha
# channel.
shot() {
    shell_io shot "$(monitor_rect "$1")" "$work/shots/$2.png" >/dev/null
    convert "$work/shots/$2.png" -alpha off "$work/$2.png"
    rm "$work/shots/$2.png"
}

# The size of the log $1 now, to read later only what came after.
log_mark() { stat -c %s "$1"; }
# Whether the client whose Wayland traffic goes to the log $1 got, after its
# mark $2, the press of the key with the evdev code $3.
key_reached() {
    tail -c +$(($2 + 1)) "$1" | grep -Eq "wl_keyboard@[0-9]+\.key\([0-9]+, [0-9]+, $3, 1\)"
}

# The shortcuts inhibitors that the client whose Wayland traffic goes to the
# log $1 asked for after its mark $2, as "requested pending": how many, and
# how many of them GNOME has neither made active nor seen destroyed.
inhibitors() {
    tail -c +$(($2 + 1)) "$1" | awk '
        function id() { match($0, /inhibitor_v1@[0-9]+/); return substr($0, RSTART + 13, RLENGTH - 13) }
        /inhibit_shortcuts\(new id/ { requested++; pending[id()] = 1 }
        /inhibitor_v1@[0-9]+\.(active|destroy)\(/ { delete pending[id()] }
        END { for (i in pending) left++; print requested + 0, left + 0 }'
}

# Opens a plain GTK window of another program, which has the focus once this
# returns; sets test_window_pid.
open_test_window() {
    spawn_as_user "$work/window.log" "${gnome_env[@]}" gjs -c "
        imports.gi.versions.Gtk = '4.0';
        const { Gtk, GLib } = imports.gi;
        Gtk.init();
        const loop = new GLib.MainLoop(null, false);
        const window = new Gtk.Window({ title: '$test_window_title' });
        window.connect('close-request', () => loop.quit());
        window.present();
        loop.run();"
    test_window_pid=$!
    pids+=("$test_window_pid")
    # GTK starts in seconds, and in more than ten on a busy machine.
    wait_for 30 test_window_focused || fail_hard "the test window did not open with the focus"
}
test_window_focused() { [ "$(focused pid)" = "$test_window_pid" ]; }

# GNOME's stored answer for the program to "Allow inhibiting shortcuts",
# kept in the permission store per installed app: GRANTED, DENIED or nothing.
stored_answer() {
    "${as_user[@]}" "${gnome_env[@]}" gdbus call --session \
        --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.Lookup gnome shortcuts-inhibitor \
        2>/dev/null | sed -n "s/.*'$app_id.desktop': \['\([A-Z]*\)'\].*/\1/p"
}

# Lets GNOME forget its answer for the program, with the command the help
# gives the parent, so that it asks again.
forget_answer() {
    "${as_user[@]}" "${gnome_env[@]}" gdbus call --session \
        --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.DeletePermission \
        gnome shortcuts-inhibitor "$app_id.desktop" >/dev/null
}

# Whether GNOME shows its question whether the program may inhibit the
# shortcuts.
question_shown() { js_true 'global.e2e.questionsShown > 0'; }

# Sends a notification as the user's programs do, on the session bus.
notify() { "${as_user[@]}" "${gnome_env[@]}" notify-send "$@"; }

# The program's windows, and whether its welcome dialog has the focus.
app_windows() { windows | jq -c --argjson pid "$app_pid" '[.[] | select(.pid == $pid)]'; }
welcome_focused() { [ "$(focused title)" = "$welcome_title" ] && [ "$(focused pid)" = "$app_pid" ]; }
# The welcome dialog's frame as "x y width height".
welcome_rect() { app_windows | jq -r --arg title "$welcome_title" '.[] | select(.title == $title) | .rect'; }

# The play's windows: the play on the primary monitor, where the pictures
# are, and a cover on each other monitor, all with the play's title.
play_windows() {
    app_windows | jq -c --arg title "$play_title" '[.[] | select(.title == $title)]'
}
play_window() { play_windows | jq -c '.[] | select(.monitor == 0)'; }
play_open() { [ "$(play_windows)" != "[]" ]; }
play_focused() {
    [ "$(windows | jq -r '.[] | select(.focus) | "\(.title) \(.pid) \(.monitor)"')" = \
        "$play_title $app_pid 0" ]
}
# Gives the play the focus, to check on after a failure to do so.
give_play_focus() {
    js "global.get_window_actors().map(a => a.meta_window).find(w =>
        w.title === '$play_title' && w.get_pid() === $app_pid && w.get_monitor() === 0)
        .activate(global.get_current_time())" >/dev/null
    wait_for 2 play_focused || fail_hard "the play cannot be given the focus"
}
play_full_screen() {
    [ "$(play_window | jq -r '"\(.fullscreen) \(.rect)"')" = "true $(monitor_rect 0)" ]
}
cover_full_screen() {
    [ "$(play_windows | jq -r '.[] | select(.monitor == 1) | "\(.fullscreen) \(.rect)"')" = \
        "true $(monitor_rect 1)" ]
}

# Starts the program natively on Wayland and waits for its welcome dialog to
# be on the screen; sets app_pid.
start_tapnest() {
    launch_tapnest welcome_shown "${gnome_env[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
        QT_LOGGING_RULES="tapnest.lock=true"
}
welcome_shown() {
    [ "$(app_windows | jq -r --arg title "$welcome_title" '.[] | select(.title == $title) | .title')" ]
}
