#!/usr/bin/env bash
# The installed menu entry and launcher, as the desktop starts them.
#   launcher_test.sh LAUNCHER DESKTOP_FILE
set -u
launcher=$1 desktop_file=$2 failures=0 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf 'FAIL: %s\n' "$*" && failures=$((failures + 1)); }

# A stand-in program next to the launcher records where and how it ran.
mkdir -p "$work/bin" "$work/home"
cp "$launcher" "$work/bin/kestrivane-launcher"
cat >"$work/bin/kestrivane" <<'STUB'
#!/bin/sh
printf '%s|%s\n' "$PWD" "$*" >"$KESTRIVANE_RECORD"
STUB
chmod +x "$work/bin/kestrivane"
export KESTRIVANE_RECORD=$work/record

# run_launcher VAR=VALUE...: starts the copy by its full path, PATH without it.
run_launcher() {
  rm -f "$work/record"
  env -i PATH=/usr/bin:/bin KESTRIVANE_RECORD="$KESTRIVANE_RECORD" "$@" \
    "$work/bin/kestrivane-launcher" 2>"$work/err"
}

# 1. XDG_CONFIG_HOME wins; the folder is made and entered.
run_launcher HOME="$work/home" XDG_CONFIG_HOME="$work/config dir" ||
  fail "launcher exited with $?: $(cat "$work/err")"
[ "$(cat "$work/record" 2>/dev/null)" = "$work/config dir/kestrivane|" ] ||
  fail "with XDG_CONFIG_HOME ran as: $(cat "$work/record" 2>/dev/null)"

# 2. Without it, ~/.config/kestrivane.
run_launcher HOME="$work/home"
[ "$(cat "$work/record" 2>/dev/null)" = "$work/home/.config/kestrivane|" ] ||
  fail "without XDG_CONFIG_HOME ran as: $(cat "$work/record" 2>/dev/null)"

# 3. A file where the folder must be: a message, no program, no data lost.
mkdir -p "$work/blocked" && echo mine >"$work/blocked/kestrivane"
run_launcher HOME="$work/home" XDG_CONFIG_HOME="$work/blocked" && fail "a blocked folder gave status 0"
[ ! -e "$work/record" ] || fail "the program started without its folder"
grep -q "cannot create or enter $work/blocked/kestrivane" "$work/err" ||
  fail "blocked folder message: $(cat "$work/err")"
[ "$(cat "$work/blocked/kestrivane")" = mine ] || fail "the file in the way was changed"

# 4. The menu entry starts the launcher with the program's icon.
grep -qx 'Exec=kestrivane-launcher' "$desktop_file" || fail "Exec line: $(grep ^Exec "$desktop_file")"
grep -qx 'Icon=kestrivane' "$desktop_file" || fail "Icon line: $(grep ^Icon "$desktop_file")"
desktop-file-validate "$desktop_file" || fail "desktop-file-validate rejects $desktop_file"

[ "$failures" -eq 0 ] || { echo "$failures failed" && exit 1; }
echo "all launcher checks passed"
