#!/usr/bin/env bash
# The splash window appears centred with its hints, and about a second later the start screen
# replaces it, centred frame and all, fixed in size, with its title, icon and class; its place is
# the program's choice, not the user's (PPosition, never USPosition).
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session
start_program

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
splash=$(window_of_type SPLASH)
read -r x y w h < <(client_geometry "$splash")
# 561 by 300 pixels inside the splash window's own one-pixel frame.
[[ "$w $h" == "563 302" ]] || fail "splash window is ${w}x${h}, not 561x300 in a one-pixel frame"
[[ "$x $y" == "$(frame_centred_position "$splash" 1280 800)" ]] || fail "splash not centred: at $x,$y"
xprop -id "$splash" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "splash has a taskbar button"
xprop -id "$splash" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x[0-9a-f]*, 0x0' || fail "splash is decorated"

shown_at=$SECONDS
await_hand_over

read -r x y w h < <(client_geometry "$start")
[[ "$w $h" == "1016 647" ]] || fail "start screen client is ${w}x${h}, not 1016x647"
# The whole frame is centred, title bar and all.
[[ "$x $y" == "$(frame_centred_position "$start" 1280 800)" ]] ||
  fail "start screen's frame not centred: client at $x,$y, frame $(frame_extents "$start")"
[[ $(frame_extents "$start") != "0 0 0 0" ]] || fail "the manager drew no frame round the start screen"
props=$(xprop -id "$start")
grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" || fail "start screen type"
grep -q 'WM_CLASS(STRING) = "tessivar", "Tessivar"' <<<"$props" || fail "WM_CLASS"
# Desktops match the window to its menu entry by this class.
entry_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../packaging/org.example.tessivar.desktop")
grep -q "WM_CLASS(STRING) = \"tessivar\", \"$entry_class\"\$" <<<"$props" ||
  fail "the desktop entry's StartupWMClass ($entry_class) is not the windows' class"
grep -q 'program specified minimum size: 1016 by 647' <<<"$props" || fail "minimum size hint"
grep -q 'program specified maximum size: 1016 by 647' <<<"$props" || fail "maximum size hint"
grep -q 'program specified location' <<<"$props" || fail "no program-specified position"
grep -q 'user specified location' <<<"$props" && fail "the position claims to be the user's choice"
grep -q "WM_CLIENT_MACHINE(STRING) = \"$(hostname)\"" <<<"$props" || fail "WM_CLIENT_MACHINE"
grep -q '_NET_WM_PING' <<<"$(xprop -id "$start" WM_PROTOCOLS)" || fail "the manager may not ping"
# One image of each size, the deepest: the icon file's 32-bit images, which follow its 4- and
# 8-bit copies of 48, 32 and 16 pixels.
icons=$(xprop -id "$start" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -dc '0-9 x\n' | xargs)
[[ $icons == "128 x 128 64 x 64 48 x 48 32 x 32 24 x 24 16 x 16" ]] || fail "_NET_WM_ICON images: $icons"
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$props" && fail "start screen skips the taskbar"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
