#!/usr/bin/env bash
# kestrivane-messenger as a user runs it: send to a listener on a loopback
# port, exact output lines and exit statuses.
set -u
bin=$1
failures=0
work=$(mktemp -d)
listener=
cleanup() {
  [ -n "$listener" ] && kill "$listener" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  printf 'FAIL: %s\n' "$*"
  failures=$((failures + 1))
}

# start_listener ARGS...: listen on a free port; sets $port and $listener.
start_listener() {
  : >"$work/out"
  : >"$work/err"
  "$bin" listen --port 0 "$@" >"$work/out" 2>"$work/err" &
  listener=$!
  port=
  for _ in $(seq 100); do
    port=$(sed -n 's/.*listening on UDP port \([0-9]*\).*/\1/p' "$work/err")
    [ -n "$port" ] && return 0
    sleep 0.05
  done
  fail "listener did not start: $(cat "$work/err")"
  return 1
}

# wait_listener: the listener ends by itself (--once) within 5 seconds.
wait_listener() {
  for _ in $(seq 100); do
    if ! kill -0 "$listener" 2>/dev/null; then
      wait "$listener"
      local status=$?
      listener=
      [ "$status" -eq 0 ] || fail "listener exited with status $status"
      return 0
    fi
    sleep 0.05
  done
  fail "listener still running"
  kill "$listener"
  listener=
}

expect_line() {
  local expected=$1 actual
  actual=$(cat "$work/out")
  [ "$actual" = "$expected" ] || fail "expected output: $expected
  actual: $actual"
}

# 1. The exact text arrives; a malformed datagram before it is counted.
if start_listener --once; then
  printf 'junk' >"/dev/udp/127.0.0.1/$port"
  "$bin" send localhost "Go for Zuhr prayer NOW!" --port "$port" --from "Kestrivane @ DESK7" ||
    fail "send exited with status $?"
  wait_listener
  expect_line "FROM Kestrivane @ DESK7 TO localhost: Go for Zuhr prayer NOW!"
  grep -q ': 1 malformed datagram dropped$' "$work/err" || fail "malformed count: $(cat "$work/err")"
fi

# 2. Without --from the sender is the upper-cased login name; options first.
if start_listener --once; then
  "$bin" send --port "$port" localhost "Zuhr prayer at 12:45 P.M. Insha Allah." ||
    fail "send exited with status $?"
  wait_listener
  user=$(id -un 2>/dev/null || echo Default)
  expect_line "FROM Kestrivane @ ${user^^} TO localhost: Zuhr prayer at 12:45 P.M. Insha Allah."
fi

# 3. --name: a message for another recipient is passed over, any case matches.
if start_listener --once --name LOCALHOST; then
  "$bin" send 127.0.0.1 "not for us" --port "$port" --from x
  "$bin" send localhost "for us" --port "$port" --from x
  wait_listener
  expect_line "FROM x TO localhost: for us"
fi

# 4. Control characters are shown escaped; a long text is cut to 256 bytes.
long=$(printf 'x%.0s' $(seq 300))
if start_listener --once; then
  "$bin" send localhost $'line1\nline2\e[31m\\' --port "$port" --from "Kestrivane @ DESK7"
  wait_listener
  expect_line 'FROM Kestrivane @ DESK7 TO localhost: line1\nline2\x1b[31m\\'
fi
if start_listener --once; then
  "$bin" send localhost "$long" --port "$port" --from "Kestrivane @ DESK7" 2>/dev/null
  wait_listener
  # 256 bytes less 18 + 9 for the names and three zeros.
  expect_line "FROM Kestrivane @ DESK7 TO localhost: ${long:0:226}"
fi

# 5. --notify hands notify-send plain arguments, markup made literal.
mkdir "$work/bin"
cat >"$work/bin/notify-send" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$work/notified.tmp" && mv "$work/notified.tmp" "$work/notified"
EOF
chmod +x "$work/bin/notify-send"
if PATH="$work/bin:$PATH" start_listener --once --notify; then
  "$bin" send localhost '<b>$(reboot)</b> & co' --port "$port" --from "Kestrivane @ DESK7"
  wait_listener
  for _ in $(seq 100); do
    [ -f "$work/notified" ] && break
    sleep 0.05
  done
  expected='--app-name=Kestrivane
--
FROM Kestrivane @ DESK7 TO localhost
&lt;b&gt;$(reboot)&lt;/b&gt; &amp; co'
  [ "$(cat "$work/notified" 2>/dev/null)" = "$expected" ] ||
    fail "notify-send arguments: $(cat "$work/notified" 2>/dev/null)"
fi

# 6. Failures: a name that does not resolve, bad command lines.
stderr=$("$bin" send no-such-host..invalid "hi" --port 9 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || fail "unresolvable name gave status $status"
case $stderr in
  *"cannot resolve no-such-host..invalid"*) ;;
  *) fail "unresolvable name message: $stderr" ;;
esac
# Port 138 without the privilege: checked where an unprivileged user can be had.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null &&
  [ "$(cat /proc/sys/net/ipv4/ip_unprivileged_port_start 2>/dev/null || echo 1024)" -gt 138 ]; then
  stderr=$(setpriv --reuid=nobody --regid=nogroup --clear-groups "$bin" listen 2>&1)
  status=$?
  case $status:$stderr in
    1:*"needs root or CAP_NET_BIND_SERVICE"*--port*) ;;
    *) fail "unprivileged listen on 138 (status $status): $stderr" ;;
  esac
fi
for args in "send ops" "listen --port 70000" "shout"; do
  # shellcheck disable=SC2086
  "$bin" $args >/dev/null 2>&1
  status=$?
  [ "$status" -eq 2 ] || fail "'$args' gave status $status, expected 2"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all kestrivane-messenger checks passed"
