#!/usr/bin/env bash
# Builds the .deb once, unpacks it with dpkg-deb -x and checks what it holds:
# exactly the programs, the date folder's files, the desktop entry, icons,
# metainfo, man pages and documents; dependencies found from the shared
# libraries; the desktop entry and metainfo valid; and, where lintian is
# installed, no lintian error or warning. Usage: package-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/*.deb)
[ -f "$deb" ] || fail "no .deb made"
dpkg-deb -x "$deb" "$work/x"

# The file list: everything below usr/, against what the source says it must be.
{
  echo usr/bin/kestrelway
  echo usr/bin/kestrelway-cli
  echo usr/share/kestrelway/Train.dll
  for f in "$source"/data/*; do
    case $f in *.tsv|*.md) ;; *) echo "usr/share/kestrelway/${f##*/}" ;; esac
  done
  echo usr/share/applications/cn.kestrelway.Kestrelway.desktop
  echo usr/share/metainfo/cn.kestrelway.Kestrelway.metainfo.xml
  echo usr/share/man/man1/kestrelway.1.gz
  echo usr/share/man/man1/kestrelway-cli.1.gz
  echo usr/share/doc/kestrelway/timetable.md
  echo usr/share/doc/kestrelway/copyright
  echo usr/share/doc/kestrelway/changelog.gz
  for d in "$source"/dist/icons/hicolor/*/apps; do echo "usr/share/icons/hicolor/${d#*/hicolor/}/kestrelway.png"; done
} | sort > "$work/expected"
(cd "$work/x" && find . -type f | sed 's|^\./||' | sort) > "$work/actual"
diff -u "$work/expected" "$work/actual" || fail "the package's file list differs (- expected, + in the package)"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsqlcipher0 libcurl4; do
  grep -q "$lib" <<< "$depends" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q fonts-dejavu-core <<< "$recommends" || fail "Recommends lacks fonts-dejavu-core: $recommends"
for f in usr/bin/kestrelway usr/bin/kestrelway-cli; do
  file "$work/x/$f" | grep -q ', stripped' || fail "$f is not stripped"
  ! readelf -S "$work/x/$f" | grep -q '\.comment' || fail "$f keeps its .comment section"
done
# The copyright file: the whole CC0 text (as Debian keeps it, where it
# does), and the metainfo under CC0.
copyright=$work/x/usr/share/doc/kestrelway/copyright
cc0=$(awk 'prev == "" && /^License: CC0-1.0$/ {on=1; prev=$0; next} on && !/^ / {on=0} on; {prev=$0}' \
      "$copyright" | sed 's/^ //; s/^\.$//' | sed '/^On Debian systems/,$d')
grep -q '^d\. Affirmer understands and acknowledges' <<< "$(sed 's/^ *//' <<< "$cc0")" \
  || fail "the CC0 text in the copyright file is not whole"
if [ -f /usr/share/common-licenses/CC0-1.0 ]; then
  diff <(sed 's/[[:space:]]*$//' /usr/share/common-licenses/CC0-1.0) <(sed '${/^$/d}' <<< "$cc0") \
    || fail "the CC0 text differs from /usr/share/common-licenses/CC0-1.0"
fi
awk '/^Files:/ {files=$0} /^License:/ && files ~ /metainfo/ {print; exit}' "$copyright" | grep -qx 'License: CC0-1.0' \
  || fail "the metainfo is not listed under CC0-1.0"
desktop=$work/x/usr/share/applications/cn.kestrelway.Kestrelway.desktop
# desktop-file-validate before 0.27 does not know the keys of the entry
# format's version 1.5 (SingleMainWindow): that one complaint is let pass.
desktop-file-validate "$desktop" > "$work/desktop.log" 2>&1 || true
! grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending the format' "$work/desktop.log" \
    | grep -q . || { cat "$work/desktop.log"; fail "desktop-file-validate"; }
grep -qx 'SingleMainWindow=true' "$desktop" || fail "the entry does not say SingleMainWindow=true"
grep -qx "Name=Kestrelway" "$desktop" || fail "the English name is not the window title Kestrelway"
grep -qx 'Name\[zh_CN\]=铁路时刻查询' "$desktop" || fail "no Chinese name"
appstreamcli validate --no-net "$work/x/usr/share/metainfo/cn.kestrelway.Kestrelway.metainfo.xml" || fail "appstreamcli validate"
# The entry starts an installed program and names an installed icon.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$work/x/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -f "$work/x/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon is not installed"
# lintian: no error and no warning (information, such as on the size of the
# architecture-independent data, may stay).
if command -v lintian > /dev/null; then
  lintian --no-cfg --tag-display-limit 0 "$deb" > "$work/lintian.log" 2>&1 || true
  cat "$work/lintian.log"
  ! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian finds errors or warnings"
else
  echo "lintian is not installed: not checked"
fi
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, valid"
