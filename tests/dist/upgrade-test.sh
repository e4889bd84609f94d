#!/usr/bin/env bash
# A newer installed timetable reaching a user. Installs the build into one
# temporary prefix, lets a user make a per-user copy, then installs a newer
# build (the same programs, a timetable with another data version) into a
# second prefix: an untouched copy takes the newer timetable at the next
# start; a copy holding the user's update is kept, and its record says what it
# came from. Then the portable layout: its own date folder when writable, else
# a per-user copy apart from the installed program's.
# Usage: upgrade-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chmod 755 "$work"

# Version 1 as built; versions 2 and 3 the same install with their own data version.
DESTDIR=$work/v1 cmake --install "$build" --prefix /usr > "$work/install.log"
for v in 2 3; do
  cp -a "$work/v1" "$work/v$v"
  mkdir "$work/data$v"
  cp "$source"/data/*.tsv "$work/data$v/"
  printf 'ver\n2020-0%s 全国\n' "$v" > "$work/data$v/VerID.tsv"
  rm "$work/v$v/usr/share/kestrelway/Train.dll"
  "$build/kestrelway-cli" build-db "$work/data$v" "$work/v$v/usr/share/kestrelway/Train.dll" > /dev/null
done
cli() { "$work/v$1/usr/bin/kestrelway-cli" "${@:2}"; }
export HOME=$work/home XDG_DATA_HOME=$work/xdg
copy=$XDG_DATA_HOME/Kestrelway/date

# 1. An untouched copy: the next start of the newer program replaces it.
cli 1 search 北京 上海 > /dev/null || fail "search with version 1"
cmp -s "$copy/Train.dll" "$work/v1/usr/share/kestrelway/Train.dll" || fail "no copy of version 1"
cli 1 stations bj > /dev/null
cli 2 stations bj > /dev/null || fail "stations with version 2"
cmp -s "$copy/Train.dll" "$work/v2/usr/share/kestrelway/Train.dll" || fail "the untouched copy kept the old timetable"
grep -q '^VerID=2020-02 全国$' "$copy/origin.txt" || fail "the record does not name version 2: $(cat "$copy/origin.txt")"

# 2. A copy holding the user's update: kept when version 3 comes.
printf 'insert;station;9999;9999,"测试新站","csxz"\n' > "$work/update.txt"
cli 2 update "$work/update.txt" > /dev/null || fail "update"
cli 3 stations csxz > /dev/null || fail "the updated copy was replaced"
cmp -s "$copy/Train.dll" "$work/v3/usr/share/kestrelway/Train.dll" && fail "the updated copy was replaced"
grep -q '^VerID=2020-02 全国$' "$copy/origin.txt" || fail "the record of the updated copy changed"
[ -z "$(find "$copy" -name '*.part')" ] || fail "part files left: $(ls "$copy")"

# 3. The portable program: its own date folder while it can write it...
DESTDIR=$work/p cmake --install "$build" --component portable --prefix /kestrelway > /dev/null
portable=$work/p/kestrelway
rm -rf "$XDG_DATA_HOME"
"$portable/kestrelway-cli" stations bj > /dev/null || fail "the portable tool"
[ ! -e "$XDG_DATA_HOME" ] || fail "the writable portable program made a per-user copy"
# ... else a per-user copy of its own, never the installed program's. File
# permissions hold only for a user other than root.
cli 2 stations bj > /dev/null
chmod -R a+rX "$work"
chmod a-w "$portable/date"
chmod 777 "$XDG_DATA_HOME" "$XDG_DATA_HOME/Kestrelway"
as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
"${as_user[@]}" "$portable/kestrelway-cli" stations bj > /dev/null || fail "the read-only portable tool"
cmp -s "$XDG_DATA_HOME/Kestrelway/portable/date/Train.dll" "$portable/date/Train.dll" || fail "no portable copy"
cmp -s "$copy/Train.dll" "$work/v2/usr/share/kestrelway/Train.dll" || fail "the installed program's copy changed"
echo "upgraded: untouched copy replaced, updated copy kept; the portable copy apart"
