#!/usr/bin/env bash
# On a screen of another depth (16-bit 565, 15-bit 555, 30-bit 2:10:10:10, an 8-bit palette
# screen with a 3:3:2 true-colour visual beside its palette one, or a 24-bit screen whose default
# visual is DirectColor) the program starts in a true-colour visual, the splash hands over to the
# start screen, and screenshots of the splash, the start screen and the message window show the
# colours the engine painted, to the screen's precision.
#
# screen_depth.sh DEPTH CHANNEL_BITS [XVFB OPTION...]: CHANNEL_BITS is the narrowest colour
# channel of the visual the program should take, which sets how near each colour must be. With
# a DirectColor default visual (-cc 5) no window manager runs: openbox refuses such a screen.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
skip_unless_tools import compare convert
depth=$1
channel_bits=$2
shift 2
x_screen=1280x800x$depth
x_server_options=("$@")
[[ " $* " == *" -cc 5 "* ]] && window_manager=none
references=$(dirname "$0")/../forms/references
start_x_session

# Wine is a stand-in that fails, so that a tile's start brings up the message window.
mkdir -p "$session_dir/bin"
printf '#!/bin/sh\nexit 1\n' >"$session_dir/bin/wine"
chmod +x "$session_dir/bin/wine"
export PATH="$session_dir/bin:$PATH"

# Each channel lands on the nearest of the server's 2^bits levels, so no colour may be off by
# more than half a level, plus one 8-bit step for the screenshot's own rounding back to 8 bits.
tolerance=$(awk -v b="$channel_bits" 'BEGIN { printf "%.5f", (255 / (2 ^ b - 1) / 2 + 1) / 255 }')
shot=$session_dir/shot

# The largest difference of any channel of any pixel between two pictures, from 0 to 1.
peak_difference() {
  compare -metric PAE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}
within_tolerance() { awk -v d="$1" -v t="$tolerance" 'BEGIN { exit !(d != "" && d <= t) }'; }

# Fails unless pixel ($2, $3) of picture $1 is the colour "R G B" in $4, within the tolerance;
# $5 names what is there.
expect_pixel() {
  local format= channel colour
  for channel in r g b; do format+="%[fx:round(255*p{$2,$3}.$channel)] "; done
  colour=$(convert "$1" -format "$format" info:)
  awk -v t="$tolerance" -v d="$colour $4" 'BEGIN { split(d, v, " ");
    for (i = 1; i <= 3; ++i) if ((v[i] - v[i + 3]) ^ 2 > (t * 255) ^ 2) exit 1 }' ||
    fail "$5 at ($2, $3) is $colour, not $4"
}

start_program
wait_for 5 has_window_of_type SPLASH ||
  fail "no splash window appeared: $(cat "$session_dir/program.out")"
splash=$(window_of_type SPLASH)
shown_at=$SECONDS
read -r x y w h < <(client_geometry "$splash")
[[ "$w $h" == "563 302" ]] || fail "splash window is ${w}x${h}, not 561x300 in a one-pixel frame"
# The splash as the engine paints it, in its frame of the 3D dark shadow colour. The window may
# be mapped a moment before its pixels are presented, so the screenshot is taken again until
# they are there.
convert "$references/splash.png" -bordercolor '#696969' -border 1 "$shot-splash-reference.png"
splash_matches() {
  import -window "$splash" "$shot-splash.png" 2>/dev/null || return 1
  difference=$(peak_difference "$shot-splash-reference.png" "$shot-splash.png")
  within_tolerance "$difference"
}
wait_for 2 splash_matches ||
  fail "the splash's colours are off by up to $difference (tolerance $tolerance)"

await_hand_over
read -r x y w h < <(client_geometry "$start")
[[ "$w $h" == "1016 647" ]] || fail "start screen client is ${w}x${h}, not 1016x647"
info=$(xwininfo -id "$start")
grep -q 'Visual Class: TrueColor' <<<"$info" || fail "the start screen's visual is not true-colour"
grep -q "Depth: $depth\$" <<<"$info" || fail "the start screen is not $depth bits deep: $info"
sleep 0.3 # the clock's first ticks

import -window "$start" "$shot-start.png" || fail "no screenshot of the start screen"
# The reference is the start screen at load in the headless backend; the clock tile shows
# another time here, so it is blacked out in both.
without_clock() { convert "$1" -fill black -draw 'rectangle 88,448 258,526' "$2"; }
without_clock "$references/start-screen-at-load.png" "$shot-start-reference.png"
without_clock "$shot-start.png" "$shot-start-masked.png"
difference=$(peak_difference "$shot-start-reference.png" "$shot-start-masked.png")
within_tolerance "$difference" ||
  fail "the start screen's colours are off by up to $difference (tolerance $tolerance)"
# A few colours by name: the wallpaper's near black, the Calc tile, the logo, the scroll bar.
expect_pixel "$shot-start.png" 100 20 "6 6 6" "the wallpaper"
expect_pixel "$shot-start.png" 200 240 "86 165 224" "the Calc tile"
expect_pixel "$shot-start.png" 870 60 "0 173 239" "the logo"
expect_pixel "$shot-start.png" 300 530 "200 200 200" "the scroll bar's trough"

# The program's own message window, for a start that failed.
click_in_window "$start" 216 248
wait_for 3 has_window_named Tessivar || fail "no message window for the failed start"
message=$(windows_named Tessivar)
sleep 0.2
import -window "$message" "$shot-message.png" || fail "no screenshot of the message window"
# Its face is the button face colour; its text and the OK button's outline are black.
expect_pixel "$shot-message.png" 3 3 "240 240 240" "the message window's face"
dark=$(convert "$shot-message.png" -colorspace gray -threshold 25% -negate \
  -format '%[fx:round(mean*w*h)]' info:)
((dark > 100)) || fail "the message window shows no text ($dark dark pixels)"
# Its OK button, 75 by 23 pixels, sits centred 12 pixels above the bottom.
read -r x y w h < <(client_geometry "$message")
click_in_window "$message" $((w / 2)) $((h - 12 - 11))
wait_for 3 has_no_window_named Tessivar || fail "the OK button did not close the message window"

# TESSIVAR_KEEP_SHOTS=DIR keeps the screenshots, for a person to look at.
if [[ -n ${TESSIVAR_KEEP_SHOTS:-} ]]; then
  for part in splash start message; do
    cp "$shot-$part.png" "$TESSIVAR_KEEP_SHOTS/depth-$depth-$channel_bits-$part.png"
  done
fi
kill -0 "$app_pid" || fail "the program ended"
grep -q 'colour format\|cannot show the message window' "$session_dir/program.out" &&
  fail "the program reported: $(cat "$session_dir/program.out")"
echo "PASS"
