#!/usr/bin/env bash
# Paints every shipped icon again with the icon painter (tools/ombrixgo_icons):
# the image buttons and window icon in data/icons, and the desktop's hicolor
# icons in packaging/icons/hicolor. Run it after changing a picture, and
# commit the PNG files it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/tools
cmake -S . -B "$build" -G Ninja -DOMBRIX_TOOLS=ON -DOMBRIX_TESTS=OFF >/dev/null
cmake --build "$build" --target ombrixgo_icons
export QT_QPA_PLATFORM=offscreen
"$build/bin/ombrixgo_icons" data/icons
rm -rf packaging/icons/hicolor
"$build/bin/ombrixgo_icons" --hicolor packaging/icons/hicolor
echo "painted data/icons and packaging/icons/hicolor"
