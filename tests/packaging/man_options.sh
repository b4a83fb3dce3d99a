#!/usr/bin/env bash
# The options that a program's --help lists and the options its manual page
# documents are the same set.
#   man_options.sh PROGRAM MANPAGE
set -euo pipefail
program=$1
page=$2

# "  -r,--reverse   text" and "  --decimals INT:..." in the help text.
from_help() {
    "$program" --help | grep -E '^\s+-' | awk '{print $1}' | tr ',' '\n' | grep -E '^-' | sort -u
}
# ".TP" followed by "\fB\-r\fR, \fB\-\-reverse\fR" in the page.
from_page() {
    awk 'tp { print; tp = 0 } /^\.TP/ { tp = 1 }' "$page" |
        sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' | tr ', ' '\n\n' | grep -E '^-' | sort -u
}

help_options=$(from_help)
page_options=$(from_page)
[ -n "$help_options" ] || { echo "no options in $program --help"; exit 1; }
if [ "$help_options" != "$page_options" ]; then
    echo "--help and $(basename "$page") differ (< help, > manual page):"
    diff <(echo "$help_options") <(echo "$page_options") || true
    exit 1
fi
echo "$(wc -l <<<"$help_options") options agree"
