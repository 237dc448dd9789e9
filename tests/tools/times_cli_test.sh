#!/usr/bin/env bash
# kestrivane-times as a user runs it: exit statuses, what reaches the
# terminal, files read or refused left untouched, and the PDF end to end.
set -u
bin=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work TMPDIR=$work XDG_RUNTIME_DIR=$work TZ=UTC LC_ALL=C
cd "$work" || exit 1

fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }
# run ARGS...: sets $out, $err and $status.
run() { "$bin" "$@" >"$work/out" 2>"$work/err"; status=$?; out=$(cat "$work/out"); err=$(cat "$work/err"); }
# expect STATUS STDOUT STDERR ARGS...
expect() {
  local s=$1 o=$2 e=$3
  shift 3
  run "$@"
  [ "$status:$out:$err" = "$s:$o:$e" ] || fail "$*
  expected $s, [$o], [$e]
  actual   $status, [$out], [$err]"
}

expect 0 '{"date":"2000-03-15","hijri":"1420-12-09","fajr":"04:56","shurooq":"06:15","zuhr":"12:16","asr":"15:40","maghrib":"18:18","isha":"19:37","qiblah":256.0433}' '' \
  --json --date 2000-03-15 --fiqh shafii
expect 0 '256.0433 256' '' --qiblah
# Classic with the user's minutes, across the hour.
expect 0 '{"date":"2000-03-15","hijri":"1420-12-09","fajr":"04:26","shurooq":"06:15","zuhr":"12:16","asr":"15:40","maghrib":"18:18","isha":"20:07","qiblah":256.0433}' '' \
  --json --date 2000-03-15 --fiqh shafii --adjust fajr=-30,isha=+30
# Makkah's official times of that day, by the Umm al-Qura method.
expect 0 '{"date":"2016-01-05","hijri":"1437-03-25","fajr":"05:38","shurooq":"07:00","zuhr":"12:26","asr":"15:31","maghrib":"17:52","isha":"19:22","qiblah":222.9534}' '' \
  --json --date 2016-01-05 --lat 21:26N --lon 39:50E --tz 3 --alt 0 --fiqh shafii --method umm-al-qura
[ "$("$bin" --month 2024-03 --method morocco)" != "$("$bin" --month 2024-03)" ] || fail "--month ignores --method"
expect 2 '' "kestrivane-times: --date: '24-01-01' is not valid; expected YYYY-MM-DD, a real date in the years 1 to 9999" \
  --date 24-01-01
expect 2 '' "kestrivane-times: unknown argument '--\\x1b]0;pwned\\x07\\n' (see --help)" $'--\e]0;pwned\a\n'
[ "$(run; printf '%s\n' "$out" | wc -l)" -eq 7 ] || fail "today's times and Hijri date are not seven lines"
[ "$("$bin" --date 2024-03-10 --hijri-adjust +1 | tail -n 1)" = 'Hijri: 1 Ramadan 1445' ] || fail "--hijri-adjust +1"
expect 2 '' "kestrivane-times: --hijri-adjust: '3' is not valid; expected whole days from -2 to +2" --hijri-adjust 3

# Settings files: the one a new document writes, the same observing its
# rule, one cut short and one with a zone that is no UTC offset.
default_hex='02000000 02000000 00000000 01000000 12000000 12000000 00000000 02000000
  02000000 00 0000 0F00  02000000 00 0000 0F00  02000000 00 0000 0F00
  02000000 00 0000 0F00  02000000 00 0000 0F00  02000000 00 0000 0F00
  00000000 00000000
  02000000 09 49736C616D61626164 08 50616B697374616E 2100 2800 4E 4900 0A00 45 2602
  0000000000001440 02000000 2002 2009'
write_hex() { printf "$(printf '%s' "$2" | tr -d ' \n' | sed 's/../\\x&/g')" >"$1"; }
write_hex default.dat "$default_hex"
write_hex dst.dat "${default_hex/%2002 2009/2082 2009}"
write_hex zone.dat "${default_hex/0000000000001440/0000000000003940}"
head -c 100 default.dat >cut.dat
before=$(ls -l --time-style=+%s ./*.dat && md5sum ./*.dat)

run --dump-prefs default.dat
[ "$status" -eq 0 ] && [[ $out == '{"tag":2,"preferences":{"tag":2,"timeFormat":0,"fiqh":1,'*'"dstRule":{"tag":2,"start":"0x0220","end":"0x0920"}}}' ]] ||
  fail "--dump-prefs: $status $out $err"
expect 0 "$("$bin" --date 2000-07-15 --dst)" '' --prefs dst.dat --date 2000-07-15
expect 0 "$("$bin" --date 2000-07-15)" 'kestrivane-times: the settings file "none.dat" does not exist; using the defaults' \
  --prefs none.dat --date 2000-07-15
for args in "--prefs cut.dat" "--dump-prefs cut.dat"; do
  # shellcheck disable=SC2086
  run $args
  [ "$status" -eq 1 ] && [[ $err == *cut.dat*"offset 98"* ]] || fail "$args: $status $err"
done
expect 1 '' 'kestrivane-times: the settings file "none.dat" does not exist' --dump-prefs none.dat

# Kestrivane.ini beside the settings file: its method and adjustments unless
# --method replaces them; a damaged one is reported and means classic.
mkdir ini && cp default.dat ini/Prefs.dat
write_ini() {
  printf '[Method]\nName=%s\nFajrAngle=18\nIshaAngle=17.5\nIshaMinutes=0\nIshaMinutesInRamadan=0\n' "$1"
  printf 'MaghribAngle=0\nRounding=nearest\nHighLatitude=middle\n[Adjustments]\nFajr=-30\n'
  for p in Shurooq Zuhr Asr Maghrib Isha; do echo "$p=0"; done
  echo '[Alarms]'
  for p in Fajr Shurooq Zuhr Asr Maghrib Isha; do printf '%sFollows=false\n%sOffset=0\n' $p $p; done
}
day='--date 2000-03-15'
write_ini kuwait >ini/Kestrivane.ini
expect 0 "$("$bin" $day --method kuwait --adjust fajr=-30 --rounding up)" '' --prefs ini/Prefs.dat $day --rounding up
expect 0 "$("$bin" $day --method egyptian)" '' --prefs ini/Prefs.dat $day --method egyptian
write_ini classic >ini/Kestrivane.ini
expect 0 "$("$bin" $day --adjust fajr=-30)" '' --prefs ini/Prefs.dat $day
expect 2 '' 'kestrivane-times: --rounding: not with the classic method (see --method)' --prefs ini/Prefs.dat --rounding up
{ write_ini classic; printf '[Hijri]\nCalendar=civil\nAdjustment=-1\nTimetableColumn=true\n'; } >ini/Kestrivane.ini
[[ $("$bin" --prefs ini/Prefs.dat --date 2024-03-11 --json) == *'"hijri":"1445-08-29"'* ]] || fail "the stored Hijri calendar"
write_ini kuwait | head -c 20 >ini/Kestrivane.ini
expect 0 "$("$bin" $day)" 'kestrivane-times: Could not read the settings file "ini/Kestrivane.ini": line 2 ends without a line break: the file is cut short. The classic calculation method is used and no alarm follows its prayer.' \
  --prefs ini/Prefs.dat $day
[ "$(ls ini | tr '\n' ' ')" = "Kestrivane.ini Prefs.dat " ] || fail "files beside the ini: $(ls ini)"

# --ics and --pdf replace a file only with a complete one.
echo keep >kept.ics
expect 1 '' 'kestrivane-times: the location'"'"'s time zone is not a UTC offset; no calendar written' \
  --month 2000-03 --prefs zone.dat --ics kept.ics
[ "$(cat kept.ics)" = keep ] || fail "a refused calendar touched the file"
# Through a link the file it names is replaced, keeping its access and the link.
chmod 640 kept.ics; ln -s kept.ics link.ics; expect 0 '' '' --month 2000-03 --ics link.ics
[ -L link.ics ] && [ "$(stat -c %a kept.ics)" = 640 ] && [ "$(grep -c '^BEGIN:VEVENT' kept.ics)" -eq 186 ] ||
  fail "not the 186 events through the link, or the link or the file's access lost"
[ "$("$bin" --month 2000-03 --ics /dev/stdout | grep -c '^BEGIN:VEVENT'; echo "${PIPESTATUS[0]}")" = $'186\n0' ] || fail "--ics /dev/stdout"
expect 1 '' 'kestrivane-times: cannot write "no/dir/x.ics": cannot create a new file beside it: No such file or directory' --month 2000-03 --ics no/dir/x.ics
ln -s gone.ics dangling.ics; expect 1 '' 'kestrivane-times: cannot write "dangling.ics": it is a symbolic link to a file that does not exist' --month 2000-03 --ics dangling.ics
# Refused by its mode, also to root.
echo keep >protected.ics; chmod 444 protected.ics
expect 1 '' 'kestrivane-times: cannot write "protected.ics": it is write-protected' --month 2000-03 --ics protected.ics
[ "$(cat protected.ics)" = keep ] || fail "a write-protected file was replaced"
expect 1 '' 'kestrivane-times: cannot write "/dev/full": No space left on device' --month 2000-03 --pdf /dev/full
# Without a display a platform that cannot start gives way to offscreen.
for platform in "" xcb nonsense; do
  echo keep >kept.pdf
  QT_QPA_PLATFORM=$platform DISPLAY= WAYLAND_DISPLAY= run --month 2000-03 --pdf kept.pdf
  [ "$status:$out:$err" = "0::" ] && [ "$(head -c 5 kept.pdf)" = "%PDF-" ] &&
    [ "$(grep -ac '/Count 1$' kept.pdf)" -eq 1 ] || fail "--pdf on platform '$platform': $status $out $err"
done
# --city: the database's position and the zone's offset of each date, as given by hand.
for date in 2026-01-15 2026-07-15; do
  expect 0 "$("$bin" --date $date --lat 33:42N --lon 73:10E --tz 5)" \
    'kestrivane-times: Islamabad, Pakistan (33:42N 73:10E, Asia/Karachi, zone 5)' --city islamabad --date $date
done
expect 0 "$("$bin" --date 2026-07-15 --lat 40:43N --lon 74:00W --tz -5 --dst)" \
  'kestrivane-times: New York, New York, United States (40:43N 74:00W, America/New_York, zone -5, daylight saving)' \
  --city 'New York' --date 2026-07-15
expect 0 $'Sydney, New South Wales, Australia\t33:53S\t151:13E\tAustralia/Sydney\nSydney, Nova Scotia, Canada\t46:09N\t60:10W\tAmerica/Halifax' '' \
  --city-list SYDNEY
expect 1 '' "kestrivane-times: --city: no city in the city database is called 'Atlantis'" --city Atlantis
expect 2 '' 'kestrivane-times: --city: not with --lat, --lon, --tz or --dst, which the city gives' --city Rabat --tz 1
[ "$before" = "$(ls -l --time-style=+%s ./*.dat && md5sum ./*.dat)" ] || fail "settings files were written"
[ "$(ls | sort | tr '\n' ' ')" = "cut.dat dangling.ics default.dat dst.dat err ini kept.ics kept.pdf link.ics out protected.ics zone.dat " ] ||
  fail "files left behind: $(ls)"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all kestrivane-times checks passed"
