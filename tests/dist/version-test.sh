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
# They answer in the language chosen in the window, else in English where
# the system's language is English, else in Chinese.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LANG=C.UTF-8 XDG_CONFIG_HOME="$config")
"${nodisplay[@]}" "$build/kestrelway" --help | grep -q '^用法：kestrelway' || fail "kestrelway --help"
"${nodisplay[@]}" LANG=en_GB.UTF-8 "$build/kestrelway" --help | grep -q '^Usage: kestrelway' ||
  fail "kestrelway --help in English"
mkdir -p "$config/Kestrelway"
printf '[Memory]\nLanguage=zh\n' > "$config/Kestrelway/Kestrelway.conf"
"${nodisplay[@]}" LANG=en_GB.UTF-8 "$build/kestrelway" --help | grep -q '^用法：kestrelway' ||
  fail "kestrelway --help with Chinese chosen"
printf '[Memory]\nLanguage=en\n' > "$config/Kestrelway/Kestrelway.conf"
"${nodisplay[@]}" "$build/kestrelway" --help | grep -q '^Usage: kestrelway' || fail "kestrelway --help with English chosen"
rm "$config/Kestrelway/Kestrelway.conf"
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
