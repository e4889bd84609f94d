#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and uses the installed tool as a
# user of an installed program would: its date folder is the per-user copy in
# a temporary data home (a folder of this installation's own), holding only the database (copied from the installed
# one, with a record of where it came from), and an update file changes that
# copy only; the installed database is read directly with --db.
# Then `make uninstall` takes away every file the install put down, and the
# folders it leaves empty.
# Usage: install-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
# The tool speaks Chinese whatever language the machine is set to.
export LANG=C.UTF-8
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr > "$work/install.log"
usr=$work/root/usr
for f in bin/kestrelway bin/kestrelway-cli share/kestrelway/Train.dll share/kestrelway/ShowMain.html \
         share/applications/cn.kestrelway.Kestrelway.desktop share/metainfo/cn.kestrelway.Kestrelway.metainfo.xml \
         share/icons/hicolor/48x48/apps/kestrelway.png share/man/man1/kestrelway-cli.1.gz \
         share/man/man1/kestrelway.1.gz share/doc/kestrelway/copyright share/doc/kestrelway/changelog.gz; do
  [ -f "$usr/$f" ] || fail "not installed: $f"
done
[ ! -e "$usr/bin/date" ] || fail "a date folder beside the installed programs"
installed_sum=$(md5sum < "$usr/share/kestrelway/Train.dll")

# Without a home, the searches read the installed timetable; an update has
# nowhere to go and says so.
out=$(env -u HOME -u XDG_DATA_HOME "$usr/bin/kestrelway-cli" stations bj) || fail "stations without a home"
grep -q '北京' <<< "$out" || fail "nothing found without a home: $out"
env -u HOME -u XDG_DATA_HOME "$usr/bin/kestrelway-cli" update /nonexistent 2> "$work/err" && fail "an update without a home"
grep -q 'HOME' "$work/err" || fail "the update without a home does not say why: $(cat "$work/err")"

export HOME=$work/home XDG_DATA_HOME=$work/data
out=$("$usr/bin/kestrelway-cli" search 北京 上海) || fail "search failed"
copy=$(dirname "$(find "$XDG_DATA_HOME/Kestrelway" -name Train.dll)")
[[ $copy == $XDG_DATA_HOME/Kestrelway/installed/*/date ]] || fail "the copy is not in a folder of its installation: $copy"
grep -q '^ T109次(北京---上海)特快列车	' <<< "$out" || fail "no T109 in: $out"
cmp -s "$copy/Train.dll" "$usr/share/kestrelway/Train.dll" || fail "no per-user copy of the database"
grep -q '^VerID=2019-10 全国$' "$copy/origin.txt" || fail "the copy does not name its origin: $(cat "$copy/origin.txt")"
# Only what the program writes is copied; pictures are read where installed.
[ "$(LC_ALL=C ls "$copy")" = "$(printf 'Train.dll\norigin.txt')" ] || fail "the copy holds more: $(ls "$copy")"

# An update goes into the copy; the installed database stays as it was.
printf 'insert;station;9999;9999,"测试新站","csxz"\n' > "$work/update.txt"
"$usr/bin/kestrelway-cli" update "$work/update.txt" > /dev/null || fail "update failed"
[ "$("$usr/bin/kestrelway-cli" stations csxz)" = "9999	测试新站" ] || fail "the update is not in the copy"
[ "$(md5sum < "$usr/share/kestrelway/Train.dll")" = "$installed_sum" ] || fail "the installed database changed"

# The installed database read directly: found, and left as it was.
"$usr/bin/kestrelway-cli" --db "$usr/share/kestrelway/Train.dll" stations csxz > /dev/null && fail "the update reached the installed database"
out=$("$usr/bin/kestrelway-cli" --db "$usr/share/kestrelway/Train.dll" search 北京 上海) || fail "--db on the installed database"
grep -q '^ T109次' <<< "$out" || fail "no T109 through --db: $out"
[ "$(md5sum < "$usr/share/kestrelway/Train.dll")" = "$installed_sum" ] || fail "--db changed the installed database"

make -s -C "$source" BUILD="$build" DESTDIR="$work/root" PREFIX=/usr uninstall > /dev/null || fail "make uninstall"
# Nothing stays below the prefix: no file, and no folder the install made.
left=$(find "$usr" -mindepth 1)
[ -z "$left" ] || fail "make uninstall left: $left"
echo "installed, searched through $copy and uninstalled"
