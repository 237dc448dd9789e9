#!/usr/bin/env bash
# tests/package/package_test.sh DEB: the Debian package as a user gets it.
# lintian finds no error (its warnings are printed), the installed AppStream
# metainfo and menu entry validate, every program has its man page, and the
# tools unpacked into a temporary root run and name the package's version.
set -u
deb=$(realpath "$1")
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work TMPDIR=$work XDG_RUNTIME_DIR=$work TZ=UTC LC_ALL=C
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }

# lintian warns when run as root, as CI runs; a copy it can read lets an
# unprivileged user run it there.
target=$deb
as_user=()
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1 && command -v runuser >/dev/null; then
  chmod 755 "$work" && cp "$deb" "$work/" && target=$work/${deb##*/} && chmod 644 "$target"
  as_user=(runuser -u nobody -- env HOME="$work")
fi
"${as_user[@]}" lintian --fail-on error "$target" || fail "lintian reports errors"

root=$work/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
version=$(dpkg-deb -f "$deb" Version)
metainfo=$root/usr/share/metainfo/io.github.kestrivane.Kestrivane.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "metainfo release is not $version"
desktop-file-validate "$root/usr/share/applications/kestrivane.desktop" || fail "desktop-file-validate"

for program in "$root"/usr/bin/*; do
  page=$root/usr/share/man/man1/${program##*/}.1.gz
  [ -s "$(realpath -m "$page")" ] || fail "no man page for ${program##*/}"
done
for tool in kestrivane-times kestrivane-messenger; do
  out=$("$root/usr/bin/$tool" --version 2>&1)
  [ "$out" = "$tool $version" ] || fail "$tool --version: $out"
  zcat "$root/usr/share/man/man1/$tool.1.gz" | grep -q -- '\\-\\-version' || fail "$tool.1 lacks --version"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all package checks passed: ${deb##*/}"
