#!/usr/bin/env bash
# The driver as a script author uses it: each case runs one script in one locale and compares
# the driver's whole output and exit status with what it must print.
#   driver_test.sh TESSIVAR_DRIVE
set -uo pipefail
drive=$1
passed=0
failed=0

# expect NAME LOCALE STATUS SCRIPT EXPECTED_OUTPUT
expect() {
  local name=$1 locale=$2 status=$3 script=$4 expected=$5 output actual_status
  output=$(printf '%s\n' "$script" | LC_ALL=$locale "$drive" 2>&1)
  actual_status=$?
  if [[ $output == "$expected" && $actual_status == "$status" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name (status $actual_status, wanted $status)"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$output") | sed 's/^/  /'
  fi
}

start='load frmSplash
activate frmSplash
load Pellomark
activate Pellomark
unload frmSplash'

# The clock follows the locale of the environment, with the locale's own formats.
clock_script='time 2013-08-08T15:07:42
wait 1100
get Pellomark Label4 Caption
get Pellomark Label5 Caption'
clock() { printf '%s\nPellomark.Label4.Caption = "%s"\nPellomark.Label5.Caption = "%s"' "$start" "$1" "$2"; }
expect "clock, C" C 0 "$clock_script" "$(clock '3:07:43 PM' '8/8/2013')"
expect "clock, en_US" en_US.UTF-8 0 "$clock_script" "$(clock '03:07:43 PM' '08/08/2013')"
expect "clock, en_GB" en_GB.UTF-8 0 "$clock_script" "$(clock '15:07:43' '08/08/13')"
expect "clock, de_DE" de_DE.UTF-8 0 "$clock_script" "$(clock '15:07:43' '08.08.2013')"
expect "clock, ja_JP" ja_JP.UTF-8 0 "$clock_script" "$(clock '15時07分43秒' '2013年08月08日')"

# A held scroll arrow stops repeating when the user switches to another application: the first
# step and the repeats until the switch (at 200, 250 and 300 ms), no more.
expect "scroll arrow held, switched away at once" C 0 'wait 1000
press Pellomark 925 532
switch-away
wait 2000
get Pellomark HScroll1 Value' "$start
Pellomark.HScroll1.Value = 100"
expect "scroll arrow held, switched away after 300 ms" C 0 'wait 1000
press Pellomark 925 532
wait 300
switch-away
wait 2000
switch-back
release Pellomark 925 532
get Pellomark HScroll1 Value' "$start
Pellomark.HScroll1.Value = 400"

# Ctrl with a digit makes no character: the splash stays up and hands over. Tab, Ctrl+Enter and
# Ctrl+Backspace make characters, as on Windows, and end it.
expect "ctrl+1 on the splash" C 0 'key 1 ctrl
wait 1000' "load frmSplash
activate frmSplash
load Pellomark
activate Pellomark
unload frmSplash"
for key in 'Tab' 'Enter ctrl' 'Backspace ctrl'; do
  expect "$key on the splash" C 0 "key $key" "load frmSplash
activate frmSplash
unload frmSplash
end"
done

# A bad request's message stands on a line of its own, and the script stops with status 2.
expect "get of an unknown property" C 2 'wait 1000
get Pellomark Label4 Nope' "$start
bad command at line 2: Pellomark has no Label4.Nope"
expect "an impossible date" C 2 'time 2013-02-30T10:00:00' "load frmSplash
activate frmSplash
bad command at line 1: no such date and time: 2013-02-30T10:00:00"

echo "$passed passed, $failed failed"
((failed == 0))
