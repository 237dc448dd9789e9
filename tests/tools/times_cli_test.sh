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

# Settings files. The file a new document writes, byte for byte.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
default_hex='02000000 02000000 00000000 01000000 12000000 12000000 00000000 02000000
  02000000 00 0000 0F00  02000000 00 0000 0F00  02000000 00 0000 0F00
  02000000 00 0000 0F00  02000000 00 0000 0F00  02000000 00 0000 0F00
  00000000 00000000
  02000000 09 49736C616D61626164 08 50616B697374616E 2100 2800 4E 4900 0A00 45 2602
  0000000000001440 02000000 2002 2009'
write_hex() { printf "$(printf '%s' "$2" | tr -d ' \n' | sed 's/../\\x&/g')" >"$1"; }
write_hex "$work/default.dat" "$default_hex"
# The same with the rule observed (start word 0x8220) and the 24-hour clock.
write_hex "$work/dst.dat" "$(printf '%s' "$default_hex" | sed 's/2002 2009$/2082 2009/')"
write_hex "$work/clock.dat" "$(printf '%s' "$default_hex" | sed '1s/^02000000 02000000 00000000/02000000 02000000 01000000/')"
head -c 100 "$work/default.dat" >"$work/cut.dat"
sums_before=$(cd "$work" && ls -l --time-style=+%s && md5sum ./*.dat)

[ "$(wc -c <"$work/default.dat")" -eq 145 ] || { echo "FAIL: default file is not 145 bytes"; failures=$((failures + 1)); }

entry='{"tag":2,"flags":0,"azan":"00:00","iqamahDelay":15}'
expect_output '{"tag":2,"preferences":{"tag":2,"timeFormat":0,"fiqh":1,"fajrAngle":18,"ishaAngle":18,"reserved":0},"alarms":{"tag":2,"entries":['"$entry,$entry,$entry,$entry,$entry,$entry"'],"playSound":0,"recipients":[]},"location":{"tag":2,"city":"Islamabad","country":"Pakistan","latDegrees":33,"latMinutes":40,"latHemisphere":"N","longDegrees":73,"longMinutes":10,"longHemisphere":"E","altitude":550,"timeZone":5,"dstRule":{"tag":2,"start":"0x0220","end":"0x0920"}}}' \
  --dump-prefs "$work/default.dat"

# Same output as the options or defaults the file stands for: "A... :: B...".
expect_same() {
  local label=$1 left right
  shift
  local -a a=() b=()
  while [ "$1" != "::" ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  left=$("$bin" "${a[@]}" 2>&1) || true
  right=$("$bin" "${b[@]}" 2>&1) || true
  if [ "$left" != "$right" ] || [ "$(printf '%s\n' "$left" | wc -l)" -ne 6 ]; then
    printf 'FAIL: %s\n%s\nvs\n%s\n' "$label" "$left" "$right"
    failures=$((failures + 1))
  fi
}
d=$work
expect_same "default file" --prefs "$d/default.dat" --date 2000-07-15 :: --date 2000-07-15
expect_same "missing file" --prefs "$d/none.dat" --date 2000-07-15 :: --date 2000-07-15
expect_same "rule in force" --prefs "$d/dst.dat" --date 2000-07-15 :: --date 2000-07-15 --dst
expect_same "rule not yet" --prefs "$d/dst.dat" --date 2000-03-25 :: --date 2000-03-25
expect_same "rule from last Sunday" --prefs "$d/dst.dat" --date 2000-03-26 :: --date 2000-03-26 --dst
expect_same "rule ended" --prefs "$d/dst.dat" --date 2000-10-29 :: --date 2000-10-29
expect_same "clock from file" --prefs "$d/clock.dat" --date 2000-03-15 :: --date 2000-03-15 --24h
expect_same "option over file" --prefs "$d/dst.dat" --lat 33:55S --tz 2 --date 2000-07-15 :: \
  --lat 33:55S --tz 2 --date 2000-07-15 --dst
expect_same "forced dst" --prefs "$d/default.dat" --dst --date 2000-01-15 :: --date 2000-01-15 --dst

expect_failure() {
  local label=$1 stderr status
  shift
  stderr=$("$bin" "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ] || [[ "$stderr" != *"$work/cut.dat"* && "$label" == cut* ]] ||
    [[ "$stderr" != *"offset 98"* && "$label" == cut* ]]; then
    printf 'FAIL: %s should exit 1 naming the file and offset 98 (status %d): %s\n' "$label" "$status" "$stderr"
    failures=$((failures + 1))
  fi
}
expect_failure "cut file" --prefs "$work/cut.dat" --date 2000-03-15
expect_failure "cut dump" --dump-prefs "$work/cut.dat"
expect_failure "missing dump" --dump-prefs "$work/none.dat"

sums_after=$(cd "$work" && ls -l --time-style=+%s && md5sum ./*.dat)
[ "$sums_before" = "$sums_after" ] || { echo "FAIL: settings files were written"; failures=$((failures + 1)); }

# Today's date by default: six lines, whatever the day.
lines=$("$bin" | wc -l)
[ "$lines" -eq 6 ] || { echo "FAIL: default run printed $lines lines"; failures=$((failures + 1)); }

# Month timetables.
month=$("$bin" --month 2000-03)
expect_lines() {
  local label=$1 expected=$2 actual=$3
  if [ "$actual" != "$expected" ]; then
    printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$label" "$expected" "$actual"
    failures=$((failures + 1))
  fi
}
expect_lines "month head" 'Prayer Timetable for Islamabad

 March, 2000

    Day   Fajr    shurooq   Zuhr      Asr    Maghrib   Isha

    01    05:14    06:33    12:20    16:23    18:07    19:26
    02    05:13    06:31    12:20    16:24    18:08    19:27' "$(printf '%s\n' "$month" | head -8)"
expect_lines "month tail" '    31    04:32    05:53    12:11    16:40    18:30    19:51


* Generated by Kestrivane32
* URL: https://kestrivane.org' "$(printf '%s\n' "$month" | tail -5)"
expect_lines "LF text ends in one line break" '67 0a' "$("$bin" --month 2000-03 | tail -c 2 | od -An -tx1 | tr -s ' ' | sed 's/^ //')"
expect_lines "no CR without --crlf" 0 "$("$bin" --month 2000-03 | tr -cd '\r' | wc -c)"

# --crlf: the text itself, every line break CR LF, nothing after the address.
"$bin" --month 2000-03 --crlf >"$work/march.txt"
expect_lines "crlf line breaks" "$(tr -cd '\n' <"$work/march.txt" | wc -c)" "$(grep -c $'\r$' "$work/march.txt")"
expect_lines "crlf ending" '* URL: https://kestrivane.org' "$(tail -c 29 "$work/march.txt")"
expect_lines "crlf same text" "$month" "$(tr -d '\r' <"$work/march.txt")"

rows() { "$bin" "$@" | grep -c '^    [0-3][0-9]    [0-9-]'; }
expect_lines "February 1900 rows" 28 "$(rows --month 1900-02)"
expect_lines "February 2000 rows" 29 "$(rows --month 2000-02)"
expect_lines "February 2100 rows" 28 "$(rows --month 2100-02)"

# The rule from the settings file: from Sunday 26 March 2000 on, one hour later.
observed=$("$bin" --month 2000-03 --prefs "$work/dst.dat")
for day in 01 25; do
  expect_lines "rule not yet on $day" "$(printf '%s\n' "$month" | grep "^    $day ")" \
    "$(printf '%s\n' "$observed" | grep "^    $day ")"
done
for day in 26 31; do
  expect_lines "rule in force on $day" "    $day  $("$bin" --date 2000-03-$day --dst --24h | awk '{printf "  %s  ", $2}' | sed 's/  $//')" \
    "$(printf '%s\n' "$observed" | grep "^    $day ")"
done
expect_lines "clock preference changes nothing" "$month" "$("$bin" --month 2000-03 --prefs "$work/clock.dat")"
expect_lines "options over the file" "$("$bin" --month 2000-03 --lat 33:55S --tz 2)" \
  "$("$bin" --month 2000-03 --prefs "$work/default.dat" --lat 33:55S --tz 2)"

expect_refused --month 1899-12
expect_refused --month 2101-01
expect_refused --month 2000-13
expect_refused --month 2000-3
expect_refused --crlf
expect_refused --ics "$work/x.ics"
expect_refused --month 2000-03 --date 2000-03-01
expect_refused --month 2000-03 --dst

# --ics: one event per time, CR LF lines of at most 75 octets, times in UTC.
"$bin" --month 2000-03 --ics "$work/march.ics" >"$work/ics.out"
expect_lines "ics quiet" "" "$(cat "$work/ics.out")"
expect_lines "ics events" 186 "$(grep -c '^BEGIN:VEVENT' "$work/march.ics")"
expect_lines "ics CR LF" "$(wc -l <"$work/march.ics")" "$(grep -c $'\r$' "$work/march.ics")"
expect_lines "ics 75 octets" 0 "$(tr -d '\r' <"$work/march.ics" | awk 'length($0) > 75' | wc -l)"
expect_lines "ics first time" 'DTSTART:20000301T001400Z' "$(grep -m1 '^DTSTART' "$work/march.ics" | tr -d '\r')"
expect_lines "ics last time" 'DTSTART:20000331T145100Z' "$(grep '^DTSTART' "$work/march.ics" | tail -1 | tr -d '\r')"
expect_lines "ics stable" "$(grep -v '^DTSTAMP' "$work/march.ics")" \
  "$("$bin" --month 2000-03 --ics - | grep -v '^DTSTAMP')"
"$bin" --month 2000-03 --ics "$work/no/such/dir/x.ics" 2>"$work/ics.err"
status=$?
if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/ics.err")" -ne 1 ]; then
  echo "FAIL: an unwritable calendar file should exit 1 with one line (status $status)"
  failures=$((failures + 1))
fi

# --pdf: the printed page as a PDF, no dialog and no display needed.
pdf="$work/march.pdf"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" --month 2000-03 --pdf "$pdf" \
  >"$work/pdf.out" 2>"$work/pdf.err"
status=$?
expect_lines "pdf status" 0 "$status"
expect_lines "pdf quiet" "" "$(cat "$work/pdf.out" "$work/pdf.err")"
expect_lines "pdf header" "%PDF-" "$(head -c 5 "$pdf" 2>/dev/null)"
expect_lines "pdf one page" 1 "$(grep -aoE '/Type ?/Page([^s]|$)' "$pdf" | wc -l)"
if command -v pdfinfo >/dev/null; then
  expect_lines "pdfinfo pages" "Pages: 1" "$(pdfinfo "$pdf" | grep '^Pages:' | tr -s ' ')"
  expect_lines "pdfinfo title" "Title: KestrivanePrint" "$(pdfinfo "$pdf" | grep '^Title:' | tr -s ' ')"
fi
for refused in 1899-12 2101-01; do
  expect_refused --month "$refused" --pdf "$work/refused.pdf"
done
expect_refused --pdf "$work/refused.pdf"
expect_refused --month 2000-03 --pdf "$work/refused.pdf" --ics "$work/refused.ics"
[ -e "$work/refused.pdf" ] && { echo "FAIL: a refused --pdf wrote a file"; failures=$((failures + 1)); }
"$bin" --month 2000-03 --pdf "$work/no/such/dir/x.pdf" 2>"$work/pdf.err"
status=$?
if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/pdf.err")" -ne 1 ]; then
  echo "FAIL: an unwritable PDF file should exit 1 with one line (status $status)"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all kestrivane-times checks passed"
