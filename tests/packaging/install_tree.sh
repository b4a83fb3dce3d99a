#!/usr/bin/env bash
# "cmake --install" into a temporary root: the program folder with its data,
# the bin/ links, the desktop files (checked by the freedesktop tools), and
# the installed ombrixconv converting through its link without writing into
# the installed tree.
#   install_tree.sh BUILD_DIR PROGRAM...   (the programs the build made)
# Exit status 77 (skipped) when a checking tool is missing.
set -euo pipefail
build=$1
shift
programs=("$@")
for tool in desktop-file-validate appstreamcli xmllint update-mime-database; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log"
usr=$root/usr
program_dir=$usr/lib/quavomat

fail() { echo "FAIL: $*"; exit 1; }

# One program folder with the programs and every data folder of the source tree.
for program in "${programs[@]}"; do
    [ -x "$program_dir/$program" ] || fail "$program_dir/$program missing"
    [ -L "$usr/bin/$program" ] || fail "bin/$program is not a link"
    [ "$(readlink "$usr/bin/$program")" = "../lib/quavomat/$program" ] ||
        fail "bin/$program points at $(readlink "$usr/bin/$program")"
done
source_data=$(cd "$(dirname "$0")/../../data" && pwd)
(cd "$source_data" && find . -type f ! -name CMakeLists.txt ! -name .gitattributes) |
    while read -r file; do
        cmp -s "$source_data/$file" "$program_dir/$file" || fail "data file $file not installed"
    done
[ -f "$program_dir/nld.lng" ] && [ -f "$program_dir/deu.lng" ] || fail "translations missing"

# Desktop integration, checked as a distribution's tools check it.
# The editor's entry too, which is installed only once the editor is built.
packaging=$(cd "$(dirname "$0")/../../packaging" && pwd)
desktop-file-validate "$packaging"/*.desktop
grep -qx 'Categories=Utility;Calculator;' "$packaging/example.quavomat.ombrixgo.desktop" ||
    fail "converter's categories"
grep -qx 'Categories=Utility;TextEditor;' "$packaging/example.quavomat.OmbrixEditor.desktop" ||
    fail "editor's categories"
grep -qx 'Exec=OmbrixEditor %f' "$packaging/example.quavomat.OmbrixEditor.desktop" ||
    fail "editor's command"
grep -qx 'MimeType=text/x-quavomat-definition;' \
    "$packaging/example.quavomat.OmbrixEditor.desktop" || fail "editor's file type"
xmllint --noout "$usr"/share/mime/packages/quavomat.xml
# The MIME database accepts the type and maps *.nod to it.
cp -r "$usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q 'text/x-quavomat-definition:\*\.nod' "$work/mime/globs" || fail "*.nod not in globs"
# Every icon that an entry or the file type names exists in each hicolor size.
for icon in $(sed -n 's/^Icon=//p' "$packaging"/*.desktop) text-x-quavomat-definition; do
    for size in 16 24 32 48 64 128 256; do
        ls "$usr/share/icons/hicolor/${size}x${size}"/*/"$icon.png" >/dev/null ||
            fail "icon $icon missing at $size"
    done
done
for page in "${programs[@]}"; do
    man_page=$usr/share/man/man1/$page.1.gz
    [ -f "$man_page" ] || fail "man page $page.1.gz missing"
    cmp -s <(gzip -dc "$man_page") "$packaging/man/$page.1" || fail "man page $page.1.gz differs"
done
# A window program's menu entry comes with the program; only the converter
# has a software-centre description.
for program in "${programs[@]}"; do
    [ "$program" = ombrixconv ] && continue
    [ -f "$usr/share/applications/example.quavomat.$program.desktop" ] ||
        fail "no menu entry for $program"
done
entries=$(find "$usr/share" -path '*/applications/*.desktop' | wc -l)
[ "$entries" -eq "$(("${#programs[@]}" - 1))" ] ||
    fail "menu entries for programs that were not built"
if [ -d "$usr/share/applications" ]; then
    desktop-file-validate "$usr"/share/applications/*.desktop
fi
if [[ " ${programs[*]} " == *" ombrixgo "* ]]; then
    appstreamcli validate --no-net "$usr"/share/metainfo/example.quavomat.ombrixgo.metainfo.xml
fi

# The installed converter through its link, with a fresh user and the data
# beside the executable; the tree stays as installed.
touch "$work/stamp"
sleep 1
home=$work/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data LC_ALL=C
out=$("$usr/bin/ombrixconv" --decimal-separator . Euro-NLG 100)
[ "$out" = "45.38" ] || fail "Euro-NLG 100 gave '$out'"
out=$(cd "$work" && "$usr/bin/ombrixconv" --decimal-separator . -r "$program_dir/euro/DEM.nod" 1)
[ "$out" = "1.96" ] || fail "DEM reverse 1 gave '$out'"
"$usr/bin/ombrixconv" --list | grep -q 'Veldmark dialling codes' || fail "catalogue not listed"
written=$(find "$root" -newer "$work/stamp")
[ -z "$written" ] || fail "written into the installed tree: $written"
echo "installed tree complete; ombrixconv converts through bin/"
