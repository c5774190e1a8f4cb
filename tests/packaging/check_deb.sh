#!/usr/bin/env bash
# Builds the Debian package from a Release build of its own (the suite's build carries the
# sanitizers, which must not end up in a package), unpacks it into a scratch root with dpkg -x and
# checks that every file is where the desktop looks for it and that the dependencies were computed
# by dpkg-shlibdeps. The build folder is kept between runs, so later runs only rebuild what changed.
# Usage: check_deb.sh <source folder> <work folder> <project version>
set -uo pipefail

source_dir="$1"
work="$2"
version="$3"
build="$work/build"
out="$work/out"
root="$work/root"
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

die()
{
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
done

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=OFF -DDALVO_SANITIZE=OFF >/dev/null || die "configuring the Release build"
cmake --build "$build" || die "building the Release build"
rm -rf "$out" "$root"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" || die "cpack -G DEB"

debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || die "expected one .deb in $out, found: ${debs[*]}"
deb="${debs[0]}"
echo "== $deb"
dpkg-deb --info "$deb"

# The control fields.
field()
{
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = dalvo ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(basename "$deb")" = "dalvo_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is named $(basename "$deb")"

# Dependencies: the Qt 6 runtime libraries the binary links, with the minimum versions only
# dpkg-shlibdeps knows, and nothing from a sanitizer build.
depends="$(field Depends)"
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    pattern="$(sed 's/[+.]/\\&/g' <<<"$package")"
    grep -Eq "(^|, )$pattern \(>= [0-9][^)]*\)" <<<"$depends" ||
        fail "Depends lacks a versioned $package: $depends"
done
grep -Eq 'libasan|libubsan' <<<"$depends" && fail "Depends names a sanitizer runtime: $depends"
grep -q 'CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON"' "$build/CPackConfig.cmake" ||
    fail "the package is not set to compute its dependencies"
grep -q 'CPACK_DEBIAN_PACKAGE_DEPENDS' "$build/CPackConfig.cmake" &&
    fail "the package carries a hand-written Depends"

# Every file belongs to root, as dpkg installs it.
dpkg-deb --contents "$deb" | awk '$2 != "root/root" { bad = 1; print "owner " $2 ": " $6 } END { exit bad }' ||
    fail "files not owned by root"

dpkg -x "$deb" "$root" || die "dpkg -x"
desktop_files=("$root"/usr/share/applications/*.desktop)
[ ${#desktop_files[@]} -eq 1 ] && [ -f "${desktop_files[0]}" ] ||
    die "expected one desktop entry, found: ${desktop_files[*]}"
desktop="${desktop_files[0]}"
app_id="$(basename "$desktop" .desktop)"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"

for path in usr/bin/dalvo \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/dalvo.svg \
    usr/share/icons/hicolor/16x16/apps/dalvo.png \
    usr/share/icons/hicolor/32x32/apps/dalvo.png \
    usr/share/icons/hicolor/48x48/apps/dalvo.png \
    usr/share/icons/hicolor/64x64/apps/dalvo.png \
    usr/share/icons/hicolor/128x128/apps/dalvo.png \
    usr/share/icons/hicolor/256x256/apps/dalvo.png \
    usr/share/man/man1/dalvo.1.gz; do
    [ -f "$root/$path" ] || fail "missing $path"
done
for n in 16 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${n}x${n}/apps/dalvo.png"
    [ -f "$png" ] && ! file -b "$png" | grep -q "PNG image data, $n x $n," &&
        fail "$png is not a $n x $n PNG: $(file -b "$png")"
done
[ -x "$root/usr/bin/dalvo" ] && file -b "$root/usr/bin/dalvo" | grep -q 'ELF .* executable' ||
    fail "usr/bin/dalvo is not an executable program"
file -b "$root/usr/bin/dalvo" | grep -q 'not stripped' && fail "usr/bin/dalvo is not stripped"
found="$(cd "$root" && find . -path ./usr/local -prune -o -path './usr/include*' -print \
    -o -name '*.a' -print)"
[ -z "$found" ] || fail "build-only files in the package: $found"
[ -e "$root/usr/local" ] && fail "files under usr/local"

# The desktop entry starts the installed program and names the installed icon.
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected the installed entry"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not a program in usr/bin"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not installed"

# The metainfo names this desktop entry, agrees with the package and validates in place.
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
newest_release="$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)"
[ "$newest_release" = "$version" ] ||
    fail "the newest release in the metainfo is '$newest_release', the package is $version"
summary="$(sed -n 's|^ *<summary>\(.*\)</summary>$|\1|p' "$metainfo")"
[ "$summary" = "$(field Description | head -n 1)" ] ||
    fail "the metainfo summary '$summary' is not the package's '$(field Description | head -n 1)'"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree rejected the tree"

# The man page is compressed and names the program in its own section.
gzip -t "$root/usr/share/man/man1/dalvo.1.gz" 2>/dev/null || fail "the man page is not gzip data"
zcat "$root/usr/share/man/man1/dalvo.1.gz" 2>/dev/null | grep -q "^\.TH DALVO 1 .*Dalvo $version" ||
    fail "the man page header does not name section 1 and version $version"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the package installs Dalvo where the desktop expects it"
