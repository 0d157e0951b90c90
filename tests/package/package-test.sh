#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, checks it, unpacks it into a temporary root and
# starts the unpacked program headless with a fresh home folder.
#
# The program is checked as it is shipped: Qt loads a test-only plugin into it (CaptionProbe.cpp, through
# QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS) that prints the captions of the shown window and then closes
# it, so the program runs its whole start-up and close and ends on its own.
#
# usage: package-test.sh BUILD_DIR PROBE_PLUGIN_DIR VERSION [TOOL...]
#   TOOL: further executables the package must hold and answer --version (the device simulator)
set -euo pipefail

build_dir=$1 probe_plugins=$2 version=$3
shift 3
tools=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

echo "== building the package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack"
}
deb="$work/out/winorba_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Depends\|Maintainer\):/&/p'

echo "== lintian"
lintian --fail-on error --allow-root --tag-display-limit 0 "$deb" || fail "lintian reports errors"

echo "== unpacking"
root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/WinOrba usr/share/winorba/WinOrba.lng usr/share/applications/cz.winorba.WinOrba.desktop \
    usr/share/icons/hicolor/scalable/apps/cz.winorba.WinOrba.svg usr/share/metainfo/cz.winorba.WinOrba.metainfo.xml \
    usr/share/man/man1/WinOrba.1.gz usr/share/doc/winorba/copyright usr/share/doc/winorba/changelog.gz; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done
desktop="$root/usr/share/applications/cz.winorba.WinOrba.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
# "Open with" offers the program for text files and hands it the chosen file.
grep -qxF 'Exec=WinOrba %f' "$desktop" || fail "the desktop entry does not pass the file: $(grep '^Exec=' "$desktop")"
grep -qxF 'MimeType=text/plain;' "$desktop" || fail "the desktop entry declares no text/plain"
appstreamcli validate --no-net "$root/usr/share/metainfo/cz.winorba.WinOrba.metainfo.xml" || fail "metainfo"
for tool in "${tools[@]}"; do
    [ -x "$root/usr/bin/$tool" ] || fail "$tool is not in the package"
    [ -f "$root/usr/share/man/man1/$tool.1.gz" ] || fail "the manual page of $tool is not in the package"
    [ "$("$root/usr/bin/$tool" --version | wc -l)" -eq 1 ] || fail "$tool --version"
done

program="$root/usr/bin/WinOrba"
echo "== the lower-case command and its manual page"
[ -L "$root/usr/bin/winorba" ] && [ "$(readlink "$root/usr/bin/winorba")" = WinOrba ] || fail "no link winorba to WinOrba"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/winorba" --version)" = "WinOrba $version" ] ||
    fail "winorba --version"
[ -f "$root/usr/share/man/man1/winorba.1.gz" ] || fail "no manual page winorba.1.gz"
echo "== --version and --help without a display"
# With the X11 platform and no display, creating the application would abort the program.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
[ "$("${no_display[@]}" "$program" --version)" = "WinOrba $version" ] || fail "--version"
[ "$("${no_display[@]}" "$program" --help | wc -l)" -eq 1 ] || fail "--help"
refused() {
    local status=0
    "${no_display[@]}" "$program" "$@" 2>"$work/refusal" || status=$?
    [ "$status" -eq 2 ] && grep -qF "$refusal; usage: " "$work/refusal" ||
        fail "$* gave status $status: $(cat "$work/refusal")"
}
refusal="WinOrba: unexpected argument '--no-such-option'" refused --no-such-option
refusal="WinOrba: unexpected arguments 'a.txt b.txt'" refused -platform offscreen a.txt b.txt

home="$work/home"
mkdir -p "$home"
start() {
    env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$probe_plugins" \
        QT_QPA_GENERIC_PLUGINS=winorbacaptionprobe timeout 120 "$program" "$@" >"$work/captions" ||
        fail "the program did not start and close cleanly (status $?)"
}
shows() {
    grep -qxF "$1" "$work/captions" || {
        cat "$work/captions"
        fail "no caption \"$1\""
    }
}

echo "== first start with a fresh home folder"
start
own="$home/.config/WinOrba/WinOrba.lng"
[ -f "$own" ] && [ -w "$own" ] || fail "no writable $own after the first start"
[ ! -e "$root/usr/bin/WinOrba.lng" ] && [ ! -e "$root/usr/bin/WinOrba.tmp" ] || fail "files written beside the program"
# The language sections come over byte for byte; the settings above them are written back on close.
languages() { LC_ALL=C sed -n '/^\[\xE8e\x9Atina\]/,$p' "$1"; }
[ -n "$(languages "$root/usr/share/winorba/WinOrba.lng")" ] || fail "no Czech section in the delivered file"
cmp <(languages "$root/usr/share/winorba/WinOrba.lng") <(languages "$own") || fail "language sections differ"
for caption in "Načíst" "Uložit" "Přijmout" "Otevřít přijatý soubor"; do shows "$caption"; done

echo "== second start keeps the user's own settings"
LC_ALL=C sed -i 's/^active=0/active=1/' "$own"
start
for caption in "Load" "Save" "Receive" "Open received file"; do shows "$caption"; done
grep -q '^active=1' "$own" || fail "the user's choice of language was replaced"

echo "== a start with a file shows it"
named="$work/named file.txt"
printf 'SFA $07.12.26 15:12:03$\r\nSDK   1  xx \\jmeno\\     1     0 0\r\nSDW     0  1 C00\r\nSDE\r\nSFE\r\n' >"$named"
start "$named"
grep -q '^Windows Orba (.*/named file\.txt)$' "$work/captions" || {
    cat "$work/captions"
    fail "the window does not show the file named on the command line"
}

echo "package test passed"
