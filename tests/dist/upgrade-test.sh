#!/usr/bin/env bash
# Another installed timetable reaching a user. Installs the build into a
# temporary prefix and lets a user make a per-user copy; then the prefix's
# timetable is replaced (an upgrade, a rebuilt package, a downgrade): a copy
# still holding the timetable it was made with takes the installed one at
# the next start, a copy holding the user's update is kept, and a package
# rebuilt from the same tables is the same file and the same timetable. A
# second prefix keeps a copy of its own; a copy an earlier version kept in
# the per-user folder is taken over. Then the portable layout: its own date
# folder when writable, else a per-user copy apart from the installed
# program's.
# Usage: upgrade-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chmod 755 "$work"

DESTDIR=$work/a cmake --install "$build" --prefix /usr > "$work/install.log"
DESTDIR=$work/b cmake --install "$build" --prefix /usr > /dev/null
installed=$work/a/usr/share/kestrelway/Train.dll
cp "$installed" "$work/v1.dll"
# The builder is reproducible: the same tables give the same file.
"$build/kestrelway-cli" build-db "$source/data" "$work/rebuilt.dll" 2> /dev/null
cmp -s "$work/rebuilt.dll" "$installed" || fail "the same tables built twice differ"
# Versions 2 and 3: the same tables with another data version.
for v in 2 3; do
  mkdir "$work/data$v"
  cp "$source"/data/*.tsv "$work/data$v/"
  printf 'ver\n2020-0%s 全国\n' "$v" > "$work/data$v/VerID.tsv"
  "$build/kestrelway-cli" build-db "$work/data$v" "$work/v$v.dll" 2> /dev/null
done
install_db() { cp "$work/$2.dll" "$work/$1/usr/share/kestrelway/Train.dll"; }
cli() { "$work/$1/usr/bin/kestrelway-cli" "${@:2}"; }
export HOME=$work/home XDG_DATA_HOME=$work/xdg
users=$XDG_DATA_HOME/Kestrelway

# 1. The first run makes a copy, in a folder of this installation's own.
cli a search 北京 上海 > /dev/null || fail "search with version 1"
copy=$(dirname "$(find "$users" -name Train.dll)")
[[ $copy == $users/installed/*/date ]] || fail "the copy is not in a folder of its installation: $copy"
cmp -s "$copy/Train.dll" "$installed" || fail "no copy of version 1"

# 2. A refused update leaves the copy untouched: the upgrade replaces it.
printf 'update;station;1;jm="x"\ninsert;nosuch;1;1\n' > "$work/bad.txt"
cli a update "$work/bad.txt" 2> /dev/null && fail "a bad update was applied"
install_db a v2
cli a stations bj > /dev/null || fail "stations with version 2"
cmp -s "$copy/Train.dll" "$work/v2.dll" || fail "the untouched copy kept the old timetable"
grep -q '^VerID=2020-02 全国$' "$copy/origin.txt" || fail "the record does not name version 2: $(cat "$copy/origin.txt")"
# A downgrade is another timetable like any: the untouched copy follows it.
install_db a v1
cli a stations bj > /dev/null
cmp -s "$copy/Train.dll" "$work/v1.dll" || fail "the untouched copy kept version 2 after the downgrade"
install_db a v2
cli a stations bj > /dev/null

# 3. A copy holding the user's update: kept when the package is rebuilt from
# the same tables, and when version 3 comes.
printf 'insert;station;9999;9999,"测试新站","csxz"\n' > "$work/update.txt"
cli a update "$work/update.txt" > /dev/null || fail "update"
record=$(cat "$copy/origin.txt")
"$build/kestrelway-cli" build-db "$work/data2" "$work/a/usr/share/kestrelway/Train.dll.new" 2> /dev/null
mv "$work/a/usr/share/kestrelway/Train.dll.new" "$work/a/usr/share/kestrelway/Train.dll"
cli a stations csxz > /dev/null || fail "the rebuilt package replaced the updated copy"
[ "$(cat "$copy/origin.txt")" = "$record" ] || fail "the rebuilt package changed the record"
install_db a v3
cli a stations csxz > /dev/null || fail "the updated copy was replaced"
cmp -s "$copy/Train.dll" "$work/v3.dll" && fail "the updated copy was replaced"
grep -q '^VerID=2020-02 全国$' "$copy/origin.txt" || fail "the record of the updated copy changed"
[ -z "$(find "$copy" -name '*.part')" ] || fail "part files left: $(ls "$copy")"

# 4. A second installation keeps its own copy; the first one's stays.
cli b stations bj > /dev/null || fail "the second installation"
[ "$(find "$users/installed" -name Train.dll | wc -l)" = 2 ] || fail "the installations share a copy"
cli a stations csxz > /dev/null || fail "the second installation touched the first one's copy"

# 5. An earlier version's copy (in Kestrelway/date) is taken over.
rm -rf "$users"
mkdir -p "$users/date"
cp "$work/v1.dll" "$users/date/Train.dll"
printf 'VerID=old\nchecksum=0\n' > "$users/date/origin.txt"
cli a stations bj > /dev/null || fail "stations after the earlier version"
[ ! -e "$users/date" ] || fail "the earlier copy was not taken over"
cmp -s "$users"/installed/*/date/Train.dll "$work/v1.dll" || fail "the earlier copy was not kept"

# 6. The portable program: its own date folder while it can write it...
DESTDIR=$work/p cmake --install "$build" --component portable --prefix /kestrelway > /dev/null
portable=$work/p/kestrelway
rm -rf "$XDG_DATA_HOME"
"$portable/kestrelway-cli" stations bj > /dev/null || fail "the portable tool"
[ ! -e "$XDG_DATA_HOME" ] || fail "the writable portable program made a per-user copy"
# ... else a per-user copy of its own, never the installed program's. File
# permissions hold only for a user other than root.
cli a stations bj > /dev/null
copy=$(dirname "$(find "$users" -name Train.dll)")
chmod -R a+rX "$work"
chmod a-w "$portable/date"
chmod 777 "$XDG_DATA_HOME" "$users"
as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
"${as_user[@]}" "$portable/kestrelway-cli" stations bj > /dev/null || fail "the read-only portable tool"
cmp -s "$users"/portable/*/date/Train.dll "$portable/date/Train.dll" || fail "no portable copy"
cmp -s "$copy/Train.dll" "$work/v3.dll" || fail "the installed program's copy changed"
echo "upgraded: untouched copy replaced, updated copy kept, each installation and portable program apart"
