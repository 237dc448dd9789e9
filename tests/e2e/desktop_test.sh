#!/usr/bin/env bash
# The real program on a virtual X display with a window manager (openbox) and
# trayer as the tray host.
#   desktop_test.sh start PROGRAM
#       first start in an empty folder: the default Prefs.dat, no message, the
#       tray icon, the window hidden two seconds later; Preferences opened at
#       once keeps the window; Escape hides it into the tray, whose icon
#       brings it back
#   desktop_test.sh late-tray PROGRAM
#       no tray at first: the window stays; a tray started later gets the icon
#   desktop_test.sh alarm PROGRAM MESSENGER
#       a clock started at 12:29:50 and a Zuhr alarm at 12:30 with its iqamah
#       a minute later: the network message reaches a listener on UDP port 138
#       and the icon flashes; a click on it shows the message and then the
#       window; during the iqamah alarm two more starts only ask for the
#       window and stop nothing; Quit from the tray menu while Set Alarms is
#       open ends the program cleanly
# Exit status 77 means skipped, with the reason on the last line.
set -u
mode=$1
# Absolute, since the program runs inside its own folder.
program=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
failures=0

skip() { echo "SKIP: $*" && exit 77; }
fail() { printf 'FAIL: %s\n' "$*" && failures=$((failures + 1)); }
now_ms() { local t=${EPOCHREALTIME/./} && echo $((t / 1000)); }

for tool in Xvfb openbox trayer xdotool xwininfo xwd; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (see scripts/debian-packages)"
done

work=$(mktemp -d)
pids=()
cleanup() {
  # Our own children only, the unwilling killed after a moment: a stray
  # grandchild must not hold the test open.
  kill "${pids[@]}" 2>/dev/null; sleep 0.3; kill -9 "${pids[@]}" 2>/dev/null
  wait "${pids[@]}" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
# spawn COMMAND...: runs it in the background, ended with the test.
spawn() { "$@" & pids+=("$!"); }

# A private world: the user's session bus, tray, window manager and running
# copy of the program stay out of the test, and the test stays out of them.
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config TZ=UTC LC_ALL=C QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORMTHEME XDG_SESSION_ID
mkdir -p "$HOME" "$TMPDIR" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# wait_for SECONDS COMMAND...: polls every 20 ms until COMMAND succeeds.
wait_for() {
  local deadline=$(($(now_ms) + $1 * 1000))
  until "${@:2}"; do
    [ "$(now_ms)" -lt "$deadline" ] && sleep 0.02 || return 1
  done
}

spawn Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log"
wait_for 30 test -s "$work/display" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(<"$work/display")

export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
if command -v dbus-daemon >/dev/null; then
  spawn dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" 2>/dev/null
  wait_for 5 test -S "$work/bus" || echo "note: no session bus, the program runs without one"
fi
# The window manager is up once it names its check window on the root
# (xprop succeeds without it too). Now and then openbox cannot open a display
# that has just come up and ends at once; another one is started then.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wm_up_or_gone() { wm_up || ! kill -0 "$wm_pid" 2>/dev/null; }
for _ in 1 2 3; do
  spawn openbox --config-file /dev/null >"$work/openbox.log" 2>&1
  wm_pid=${pids[-1]}
  wait_for 30 wm_up_or_gone && wm_up && break
  echo "note: openbox ended at its start, started again: $(tail -n 1 "$work/openbox.log")"
done
wm_up || skip "openbox did not start: $(cat "$work/openbox.log")"

# trayer's windows, looked up afresh: it may add some after the first.
tray_windows() { [ -n "${tray_pid:-}" ] && xdotool search --pid "$tray_pid" 2>/dev/null; }
# Now and then trayer shows no window at all; another one is started then.
start_tray() {
  for _ in 1 2 3; do
    spawn trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
      >"$work/trayer.log" 2>&1
    tray_pid=${pids[-1]}
    wait_for 10 tray_windows >/dev/null && return || kill "$tray_pid" 2>/dev/null
  done
  skip "trayer did not start: $(cat "$work/trayer.log")"
}

# start_program FOLDER [VAR=VALUE...]: sets $pid (the program's) and $started
# (ms); the exit status lands in $work/status.
start_program() {
  started=$(now_ms)
  rm -f "$work/status" "$work/pid"
  (mkdir -p "$1" && cd "$1" || exit; env "${@:2}" "$program" >"$work/program.log" 2>&1 &
    echo $! >"$work/pid"; wait $!; echo $? >"$work/status") &
  pids+=("$!")
  wait_for 5 test -s "$work/pid" && pid=$(<"$work/pid") && pids+=("$pid")
}
running() { [ ! -e "$work/status" ]; }
# Visible windows with exactly this title, the tray icon (titled as the
# program) left out.
windows() {
  local w
  for w in $(xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null); do
    [ "$(printf '0x%x' "$w")" = "${tray_window:-}" ] || echo "$w"
  done
}
visible() { [ -n "$(windows "$1")" ]; }
# How many of the program's windows are mapped: a menu popped up is one more.
program_windows() { xdotool search --onlyvisible --class kestrivane 2>/dev/null | wc -l; }
hidden() { ! visible "$@"; }
# press TITLE KEYS...: the window in front, then the keys.
press() {
  local w
  w=$(windows "$1" | tail -n 1) && [ -n "$w" ] &&
    xdotool windowactivate --sync "$w" key --clearmodifiers "${@:2}" 2>/dev/null
}
# options_command TITLE LETTER: that window's Options menu, then the command's
# letter once the menu is up (before it, the letter would go to the window).
options_command() {
  local popups
  popups=$(program_windows)
  press "$1" alt+o || { fail "Alt+O could not be sent: $(xdotool getactivewindow getwindowname 2>&1)" && return 1; }
  wait_for 5 test "$(program_windows)" -gt "$popups" ||
    { fail "Alt+O opened no menu; active: $(xdotool getactivewindow getwindowname 2>&1)" && return 1; }
  xdotool key "$2"
}
# The program's tray icon: one of its windows reparented into trayer's.
tray_icon() {
  local t
  for t in $(tray_windows); do
    tray_window=$(xwininfo -tree -id "$t" 2>/dev/null | awk '/\("kestrivane" / {print $1; exit}')
    [ -n "$tray_window" ] && return 0
  done
  return 1
}
# click_tray BUTTON: a click in the middle of the icon.
click_tray() {
  tray_icon || return 1
  eval "$(xwininfo -id "$tray_window" | awk '/Absolute upper-left X/ {print "x=" $NF}
    /Absolute upper-left Y/ {print "y=" $NF} /Width/ {print "w=" $NF} /Height/ {print "h=" $NF}')"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "$1"
}
show_log() { sed 's/^/  program: /' "$work/program.log"; }
# The tray icon shows two different images within three seconds.
flashing() {
  local shot shots=
  tray_icon || return 1
  for _ in 1 2 3 4 5 6; do
    shot=$(xwd -silent -id "$tray_window" 2>/dev/null | md5sum | cut -c1-32)
    case $shots in *"$shot"*) ;; *) shots="$shots $shot" ;; esac
    sleep 0.5
  done
  [ "$(echo "$shots" | wc -w)" -ge 2 ]
}
# Another start of the program in the alarm's folder and clock: it must say
# that it only showed the running copy, and end at once with status 0.
second_start() {
  (cd "$work/alarm" && env "${clock[@]}" timeout 20 "$program" >"$work/second.log" 2>&1) &&
    grep -q "already running" "$work/second.log"
}

# faketime_env FAKETIME: sets $faketime to the variables that give the
# program that clock. A sanitizer build accepts the preloaded library ahead
# of its runtime.
faketime_env() {
  local preload
  for preload in /usr/lib/*/faketime/libfaketimeMT.so.1 ""; do
    [ -e "$preload" ] && break
  done
  [ -n "$preload" ] || skip "libfaketime is not installed (Debian package faketime)"
  faketime=(LD_PRELOAD="$preload" FAKETIME="$1"
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}

start_mode() {
  # The file the document writes for a new user: 145 bytes, Islamabad.
  local expected=0200000002000000000000000100000012000000120000000000000002000000020000000000000f00020000000000000f00020000000000000f00020000000000000f00020000000000000f00020000000000000f000000000000000000020000000949736c616d616261640850616b697374616e210028004e49000a0045260200000000000014400200000020022009
  local hidden_at
  start_tray
  start_program "$work/first"
  wait_for 10 visible Kestrivane32 || { fail "the main window never showed" && return; }
  [ "$(od -An -v -tx1 "$work/first/Prefs.dat" 2>/dev/null | tr -d ' \n')" = "$expected" ] ||
    fail "Prefs.dat is not the default file"
  visible Kestrivane && fail "a message box showed on the first run"
  wait_for 5 tray_icon || fail "no tray icon embedded in trayer"
  wait_for 8 hidden Kestrivane32 || fail "the main window was still shown 8 s after it appeared"
  hidden_at=$(($(now_ms) - started))
  echo "main window hidden $hidden_at ms after start"
  [ "$hidden_at" -ge 1800 ] || fail "hidden after $hidden_at ms, before the two seconds were up"
  kill "$pid" 2>/dev/null
  wait_for 5 test -e "$work/status"

  # Preferences opened at once: the start-up minimize leaves the window and
  # its dialog where the user has them. The program's clock runs at a quarter
  # speed, so that its two seconds are eight here: a loaded machine still
  # opens the dialog in time.
  faketime_env "+0 x0.25"
  start_program "$work/second" "${faketime[@]}"
  wait_for 10 visible Kestrivane32 || fail "the main window did not show again"
  options_command Kestrivane32 p && wait_for 5 visible Preferences ||
    { fail "Preferences did not open" && show_log; }
  # Past the start-up minimize, at eight seconds, with room to spare.
  until [ "$(now_ms)" -ge $((started + 10000)) ]; do sleep 0.1; done
  visible Preferences && visible Kestrivane32 ||
    fail "the start-up minimize took the window or its dialog away"
  press Preferences Escape
  wait_for 3 hidden Preferences
  # Escape hides into the tray; the icon brings the window back.
  press Kestrivane32 Escape
  wait_for 3 hidden Kestrivane32 || fail "Escape did not hide the window"
  click_tray 1
  wait_for 3 visible Kestrivane32 || fail "the tray icon did not bring the window back"
}

# No tray yet, as on a desktop whose tray comes up after login: the window
# stays shown, and the icon is added once a tray appears.
late_tray_mode() {
  start_program "$work/late"
  wait_for 10 visible Kestrivane32 || { fail "the main window never showed" && return; }
  sleep 3.5
  visible Kestrivane32 || fail "the window was hidden with no tray to bring it back from"
  start_tray
  wait_for 10 tray_icon || fail "no tray icon 10 s after the tray appeared"
  running || fail "the program ended"
}

alarm_mode() {
  local messenger=$3 listener arrived user expected
  faketime_env "@2026-12-07 12:29:50"

  # Stands in for the colleague's messenger service.
  spawn "$messenger" listen --once --port 138 >"$work/listen.out" 2>"$work/listen.err"
  listener=${pids[-1]}
  until grep -qs 'listening on UDP port 138' "$work/listen.err"; do
    kill -0 "$listener" 2>/dev/null || skip "UDP port 138 cannot be bound: $(cat "$work/listen.err")"
    sleep 0.02
  done

  start_tray
  mkdir "$work/alarm"
  # Zuhr on at 12:30, its iqamah a minute later, the sound on, one recipient: localhost.
  cp "$(dirname "$0")/../data/zuhr-alarm-Prefs.dat" "$work/alarm/Prefs.dat"
  # The sound is on and a short wave file is there; a machine without a
  # sound device must still deliver everything else.
  cp "$(dirname "$0")/../data/silence.wav" "$work/alarm/Azan.wav"
  # The clock starts at 12:29:50 and runs on; timers keep the real clock.
  clock=("${faketime[@]}" FAKETIME_DONT_FAKE_MONOTONIC=1)
  start_program "$work/alarm" "${clock[@]}"

  message_or_end() { test -s "$work/listen.out" || ! running; }
  wait_for 40 message_or_end && test -s "$work/listen.out" ||
    { fail "no network message; listener said: $(cat "$work/listen.err")" && return; }
  arrived=$(now_ms)
  echo "message arrived $((arrived - started)) ms after start"
  [ $((arrived - started)) -ge 9500 ] ||
    fail "the alarm fired $((arrived - started)) ms after a 12:29:50 start, before 12:30"
  user=$(id -un 2>/dev/null || echo Default)
  expected="FROM Kestrivane @ ${user^^} TO localhost: Zuhr prayer at 12:31 P.M. Insha Allah."
  [ "$(cat "$work/listen.out")" = "$expected" ] ||
    fail "message: $(cat "$work/listen.out"), expected: $expected"

  # While the alarm runs the tray icon alternates between two images.
  flashing || fail "the tray icon did not alternate while the azan alarm ran"
  # A click on the icon ends the alarm with its message, then shows the window.
  click_tray 1
  wait_for 5 visible Kestrivane || fail "the tray click showed no message"
  visible Kestrivane32 && fail "the window showed before the alarm's message was closed"
  press Kestrivane Return
  wait_for 5 visible Kestrivane32 || fail "the window did not show after the alarm's message"
  press Kestrivane32 Return  # the default button, Minimize: back into the tray
  wait_for 5 hidden Kestrivane32 || fail "Minimize did not hide the window"

  # The iqamah alarm at 12:31: another start asks for the window and ends,
  # and the alarm goes on; one more start while its message box is open
  # (a tray click) changes nothing either, and the program lives on.
  wait_for 70 flashing || fail "the iqamah alarm did not run"
  second_start || fail "the second start: $(cat "$work/second.log")"
  wait_for 5 visible Kestrivane32 || fail "the second start did not show the window"
  flashing || fail "the second start stopped the alarm"
  click_tray 1
  wait_for 5 visible Kestrivane || fail "the tray click showed no message"
  second_start || fail "the third start: $(cat "$work/second.log")"
  press Kestrivane Return
  sleep 1
  running || fail "the program ended after the second starts"

  # Quit from the tray menu while Set Alarms is open.
  options_command Kestrivane32 a && wait_for 5 visible "Set Alarms" || fail "Set Alarms did not open"
  click_tray 3
  sleep 0.5
  xdotool key q
  wait_for 5 visible Kestrivane && press Kestrivane y
  wait_for 10 test -e "$work/status" || fail "Quit from the tray menu did not end the program"
  [ "$(cat "$work/status" 2>/dev/null)" = 0 ] ||
    fail "the program ended with status $(cat "$work/status" 2>/dev/null)"
}

"${mode/-/_}_mode" "$@"
[ "$failures" -eq 0 ] || { show_log; echo "$failures failed"; exit 1; }
echo "all $mode checks passed"
