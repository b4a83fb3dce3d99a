#!/usr/bin/env bash
# The shipped hicolor icons are what the icon painter paints today, so the
# PNG files in the tree can always be made again from the source.
#   icons_painted.sh PAINTER
set -euo pipefail
painter=$1
shipped=$(cd "$(dirname "$0")/../../packaging/icons/hicolor" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$painter" --hicolor "$work" 2>/dev/null
diff <(cd "$shipped" && find . -type f | sort) <(cd "$work" && find . -type f | sort)
(cd "$shipped" && find . -type f) | while read -r icon; do
    cmp -s "$shipped/$icon" "$work/$icon" || { echo "FAIL: $icon is not as painted"; exit 1; }
done
echo "$(cd "$work" && find . -type f | wc -l) icons as painted"
