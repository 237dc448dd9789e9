#!/usr/bin/env bash
# kestrivane-messenger as a user runs it: send to a listener on a loopback
# port, what the listener prints and hands on, and the exit statuses.
set -u
bin=$1
failures=0
work=$(mktemp -d)
export HOME=$work TMPDIR=$work XDG_RUNTIME_DIR=$work TZ=UTC LC_ALL=C
listener=
trap '[ -n "$listener" ] && kill "$listener" 2>/dev/null; rm -rf "$work"' EXIT

fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }

# listen_on ARGS...: a listener on a free port; sets $port.
listen_on() {
  : >"$work/err"
  "$bin" listen --port 0 "$@" >"$work/out" 2>"$work/err" &
  listener=$!
  for _ in $(seq 100); do
    port=$(sed -n 's/.*listening on UDP port \([0-9]*\).*/\1/p' "$work/err")
    [ -n "$port" ] && return 0
    sleep 0.05
  done
  fail "listener did not start: $(cat "$work/err")"
  return 1
}

# expect_line LINE: the listener ends by itself, having printed LINE.
expect_line() {
  for _ in $(seq 100); do kill -0 "$listener" 2>/dev/null || break; sleep 0.05; done
  wait "$listener" || fail "listener exited with status $?"
  listener=
  [ "$(cat "$work/out")" = "$1" ] || fail "expected: $1
  actual: $(cat "$work/out")"
}

# The message arrives exactly, the sender the login name in capitals; a
# malformed datagram before it is counted, one for another name passed over.
if listen_on --once --name LOCALHOST; then
  printf 'junk' >"/dev/udp/127.0.0.1/$port"
  "$bin" send 127.0.0.1 "not for us" --port "$port" --from x
  "$bin" send --port "$port" localhost "Go for Zuhr prayer NOW!" || fail "send exited with status $?"
  user=$(id -un 2>/dev/null || echo Default)
  expect_line "FROM Kestrivane @ ${user^^} TO localhost: Go for Zuhr prayer NOW!"
  grep -q ': 1 malformed datagram dropped$' "$work/err" || fail "malformed count: $(cat "$work/err")"
fi
# --notify hands notify-send plain arguments, markup made literal; a burst
# waiting in the socket while the listener is stopped gives one notification
# at once and one a second later that counts the messages in between.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/n.tmp" && mv "%s/n.tmp" "%s/notified"\n' "$work" "$work" "$work" >"$work/bin/notify-send"
chmod +x "$work/bin/notify-send"
if PATH="$work/bin:$PATH" listen_on --notify; then
  kill -STOP "$listener"
  for text in m1 m2 m3 '<b>$(reboot)</b> & co'; do "$bin" send localhost "$text" --port "$port" --from K; done
  kill -CONT "$listener"
  for _ in $(seq 100); do grep -q more "$work/notified" 2>/dev/null && break; sleep 0.05; done
  [ "$(cat "$work/notified" 2>/dev/null)" = $'--app-name=Kestrivane\n--\nFROM K TO localhost\n&lt;b&gt;$(reboot)&lt;/b&gt; &amp; co\n(and 2 more messages)' ] ||
    fail "notify-send arguments: $(cat "$work/notified" 2>/dev/null)"
  [ "$(grep -c '^FROM K TO localhost: ' "$work/out")" = 4 ] || fail "burst printed: $(cat "$work/out")"
  grep -qF 'FROM K TO localhost: <b>$(reboot)</b> & co' "$work/out" || fail "printed: $(cat "$work/out")"
  kill "$listener"
fi

# Exit statuses: a name that does not resolve, and bad command lines with
# their one line, escaped.
err=$("$bin" send $'no-such-host\e..invalid' "hi" --port 9 2>&1 >/dev/null)
status=$?
[[ $status:$err == '1:kestrivane-messenger: cannot resolve no-such-host\x1b..invalid'* ]] ||
  fail "unresolvable name: $status $err"
err=$("$bin" $'shout\n' 2>&1 >/dev/null)
status=$?
[ "$status:$err" = "2:kestrivane-messenger: unknown command 'shout\\n'; expected listen or send (see --help)" ] ||
  fail "bad command: $status $err"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all kestrivane-messenger checks passed"
