#!/usr/bin/env bash
# The version is declared once, as the build's project version: both
# programs' --version, the window's version text (the same string table), the
# metainfo release, the man pages, the changelog and the package name agree
# with it. Usage: version-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $version =~ ^[0-9]+\.[0-9]+ ]] || fail "no project version in the build: '$version'"
[ "$(grep -c "project(Kestrelway VERSION $version " "$source/CMakeLists.txt")" = 1 ] || fail "CMakeLists.txt"

check() { [ "$2" = "$3" ] || fail "$1 says '$2', the project $3"; }
check "kestrelway --version" "$("$build/kestrelway" --version)" "kestrelway $version"
check "kestrelway-cli --version" "$("$build/kestrelway-cli" --version)" "kestrelway-cli $version"
# --help and --version need no display; an option that is not the
# program's nor Qt's is refused, also without one.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
"${nodisplay[@]}" "$build/kestrelway" --help | grep -q '^用法：kestrelway' || fail "kestrelway --help"
check "kestrelway --version without a display" "$("${nodisplay[@]}" "$build/kestrelway" --version)" "kestrelway $version"
status=0
"${nodisplay[@]}" "$build/kestrelway" --bogus > /dev/null 2> "$build/bogus.err" || status=$?
[ "$status" = 2 ] && grep -q '未知选项：--bogus' "$build/bogus.err" || fail "kestrelway --bogus: $status $(cat "$build/bogus.err")"
rm -f "$build/bogus.err"
metainfo=$build/dist/cn.kestrelway.Kestrelway.metainfo.xml
check "the metainfo" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)" "$version"
for page in kestrelway kestrelway-cli; do
  check "man $page" "$(zcat "$build/dist/$page.1.gz" | sed -n 's/^\.TH .* "Kestrelway \([^"]*\)".*/\1/p')" "$version"
done
check "the changelog" "$(zcat "$build/dist/changelog.gz" | sed -n '1s/^kestrelway (\([^)]*\)).*/\1/p')" "$version"
check "the package" "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")/\1/p' "$build/CPackConfig.cmake")" "$version"
# No version written by hand anywhere else in what installs (comments aside).
! grep -rnF --exclude=changelog -e "V$version" -e "Kestrelway $version" -e "version=\"$version\"" \
    "$source/dist" "$source/src" | grep -v '^[^:]*:[0-9]*: *//' || fail "a version written by hand"
echo "version $version everywhere"
