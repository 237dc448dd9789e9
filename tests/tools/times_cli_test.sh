#!/usr/bin/env bash
# kestrivane-times as a user runs it: exact output and exit statuses.
set -u
bin=$1
failures=0

expect_output() {
  local expected=$1
  shift
  local actual
  actual=$("$bin" "$@" 2>&1)
  local status=$?
  if [ "$status" -ne 0 ] || [ "$actual" != "$expected" ]; then
    printf 'FAIL: %s\n  status %d\n  expected: %s\n  actual:   %s\n' "$*" "$status" "$expected" "$actual"
    failures=$((failures + 1))
  fi
}

expect_refused() {
  local stderr status
  stderr=$("$bin" "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 2 ] || [ "$(printf '%s\n' "$stderr" | wc -l)" -ne 1 ]; then
    printf 'FAIL: %s should exit 2 with one line on stderr (status %d): %s\n' "$*" "$status" "$stderr"
    failures=$((failures + 1))
  fi
}

expect_output '{"date":"2000-03-15","fajr":"04:56","shurooq":"06:15","zuhr":"12:16","asr":"15:40","maghrib":"18:18","isha":"19:37","qiblah":256.0433}' \
  --json --date 2000-03-15 --fiqh shafii

expect_output 'Fajr      4:56 A.M.
Shurooq   6:15 A.M.
Zuhr     12:16 P.M.
Asr       4:32 P.M.
Maghrib   6:18 P.M.
Isha      7:37 P.M.' --date 2000-03-15

expect_output 'Fajr     03:48
Shurooq  05:32
Zuhr     12:44
Asr      16:29
Maghrib  19:57
Isha     21:34' --date 2000-12-21 --lat 33:55S --lon 18:25E --alt 0 --tz 2 --fiqh shafii --isha 17 --24h

expect_output 'Fajr     05:56
Shurooq  07:15
Zuhr     13:16
Asr      16:40
Maghrib  19:18
Isha     20:37' --date 2000-03-15 --fiqh shafii --dst --24h

expect_output '23.3548 23' --qiblah --lat 33:55S --lon 18:25E
expect_output '256.0433 256' --qiblah
expect_output 'kestrivane-times 0.4.1.0' --version

expect_refused --lat 91:00N
expect_refused --tz 15
expect_refused --alt 70000
expect_refused --fajr 30
expect_refused --date 2001-02-29
expect_refused --nonsense

# Today's date by default: six lines, whatever the day.
lines=$("$bin" | wc -l)
[ "$lines" -eq 6 ] || { echo "FAIL: default run printed $lines lines"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all kestrivane-times checks passed"
