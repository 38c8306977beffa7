#!/usr/bin/env bash
# At the density the desktop sets in the X resources (Xft.dpi 192, as 200% scaling writes it)
# every window is laid out at twice the standard scale: the splash is 1122 by 600 pixels inside
# its two-pixel frame, the start screen 2032 by 1294, centred on the screen with its size hints;
# a click at the centre of the Calc tile reaches the launch.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
x_screen=2560x1600x24
start_x_session
xrdb -merge <<<"Xft.dpi: 192" || fail "the X resources could not be set"

# Wine is a recording stand-in, as in the tile test.
mkdir -p "$session_dir/bin"
cat >"$session_dir/bin/wine" <<STANDIN
#!/bin/sh
printf '[%s]' "\$@" >>"$session_dir/wine.log"
echo >>"$session_dir/wine.log"
STANDIN
chmod +x "$session_dir/bin/wine"
export PATH="$session_dir/bin:$PATH"
start_program

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
read -r x y w h < <(client_geometry "$(window_of_type SPLASH)")
[[ "$w $h" == "1126 604" ]] || fail "splash window is ${w}x${h}, not 1122x600 in a two-pixel frame"
[[ "$x $y" == "$(frame_centred_position "$(window_of_type SPLASH)" 2560 1600)" ]] ||
  fail "splash not centred: at $x,$y"

await_start_screen
read -r x y w h < <(client_geometry "$start")
[[ "$w $h" == "2032 1294" ]] || fail "start screen client is ${w}x${h}, not 2032x1294"
[[ "$x $y" == "$(frame_centred_position "$start" 2560 1600)" ]] || fail "start screen not centred: at $x,$y"
xprop -id "$start" | grep -q 'program specified minimum size: 2032 by 1294' || fail "size hints"
sleep 0.3

# Calc: canvas twips (1320, 1800), 1080 square; the canvas's inner corner at client pixel
# (184, 184) at this density.
click_in_window "$start" $((184 + (1320 + 540) / 15 * 2)) $((184 + (1800 + 540) / 15 * 2))
log_has_line() { [[ -s $session_dir/wine.log ]]; }
wait_for 3 log_has_line || fail "the Calc tile's launch did not come"
[[ $(cat "$session_dir/wine.log") == '[start][C:\WINDOWS\system32\calc.exe]' ]] ||
  fail "Wine got: $(cat "$session_dir/wine.log")"
# TESSIVAR_KEEP_SHOTS=DIR keeps a screenshot of the window, for a person to look at.
if [[ -n ${TESSIVAR_KEEP_SHOTS:-} ]]; then
  import -window "$start" "$TESSIVAR_KEEP_SHOTS/start-screen-xft-192dpi.png" 2>/dev/null
fi
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
