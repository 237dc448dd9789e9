#!/usr/bin/env bash
# tests/translations/translations_test.sh CHECKER: the .ts files, refreshed from
# today's sources in a temporary folder, have every message translated and
# keep each source's placeholders, links, shortcut and line breaks.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/kestrivane_*.ts "$work/"
"$root/scripts/update-translations" --into "$work" >/dev/null 2>&1
"$1" "$work"/kestrivane_*.ts
