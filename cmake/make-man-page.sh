#!/usr/bin/env bash
# make-man-page.sh PAGE OUTPUT VERSION DATE [PROGRAM]
#
# Writes a section 1 man page, gzipped, from a plain text page: its first
# line is "name - summary", "## HEADING" starts a section, blank lines part
# paragraphs, and lines indented by two spaces are kept as they are. With
# PROGRAM, the program's own --help is the SYNOPSIS, so the page cannot fall
# behind the options the program takes.
set -euo pipefail
page=$1 output=$2 version=$3 date=$4 program=${5:-}

# Backslashes and minus signs as themselves; a line starting with a dot or an
# apostrophe would otherwise be read as a request.
escape() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^[.']/\\\\\\&&/"; }

title=$(head -n 1 "$page")
name=${title%% - *}
summary=${title#* - }
if [ "$name" = "$title" ] || [ -z "$summary" ]; then
  echo "$page: the first line must be 'name - summary'" >&2
  exit 1
fi

{
  printf '.TH %s 1 "%s" "%s %s" "User Commands"\n' "$(printf '%s' "${name^^}" | escape)" \
    "$date" "$(printf '%s' "$name" | escape)" "$version"
  printf '.SH NAME\n%s \\- %s\n' "$(printf '%s' "$name" | escape)" "$(printf '%s' "$summary" | escape)"
  if [ -n "$program" ]; then
    usage=$("$program" --help)
    [ -n "$usage" ] || { echo "$program --help printed nothing" >&2; exit 1; }
    printf '.SH SYNOPSIS\n.nf\n%s\n.fi\n' "$(printf '%s\n' "$usage" | escape)"
  fi
  tail -n +2 "$page" | escape | awk '
    /^  / {
      if (!verbatim) { print ".PP\n.nf"; verbatim = 1 }
      sub(/^  /, "")
      if ($0 ~ /^[.\047]/) $0 = "\\&" $0
      print; fresh = 0; next
    }
    verbatim { print ".fi"; verbatim = 0 }
    /^## / { print ".SH " toupper(substr($0, 4)); fresh = 1; next }
    /^$/ { if (!fresh) print ".PP"; fresh = 1; next }
    { print; fresh = 0 }
    END { if (verbatim) print ".fi" }'
} | gzip -9n >"$output.tmp"
mv "$output.tmp" "$output"
