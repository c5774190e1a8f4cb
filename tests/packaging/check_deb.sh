#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a Release build of its own (the suite's build carries the
# sanitizers, which must not end up in a package), unpacks it into a scratch root with dpkg -x and
# checks that every file is where the desktop looks for it and that the dependencies were computed
# by dpkg-shlibdeps, that it carries its licence and history, and that lintian reports no error and
# no warning on it. The package is built with a maintainer address, as lintian requires; the
# address is on a reserved domain that cannot reach anyone. The build folder is kept between runs, so later runs only rebuild what changed.
# Usage: check_deb.sh <source folder> <work folder> <project version>
set -uo pipefail

source_dir="$1"
work="$2"
version="$3"
build="$work/build"
out="$work/out"
root="$work/root"
source "$(dirname "$0")/checks.sh"

die()
{
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cmake cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate appstreamcli \
    file lintian; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
done

maintainer="Dalvo Test <test@dalvo.invalid>"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=OFF -DDALVO_SANITIZE=OFF -DDALVO_MAINTAINER="$maintainer" \
    -DDALVO_SCREENSHOT_URL= >/dev/null || die "configuring the Release build"
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
[ "$(field Maintainer)" = "$maintainer" ] || fail "Maintainer is '$(field Maintainer)', not '$maintainer'"
[ "$(field Priority)" = optional ] || fail "Priority is '$(field Priority)'"
# A synopsis and, indented below it, the extended description.
[ "$(field Description | wc -l)" -ge 3 ] || fail "the Description has no extended text"
[ "$(basename "$deb")" = "dalvo_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is named $(basename "$deb")"

# Dependencies: the Qt 6 runtime libraries and the animations' libraries (giflib, FFmpeg) the
# binary links, with the minimum versions only dpkg-shlibdeps knows, and nothing from a sanitizer
# build.
depends="$(field Depends)"
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 libgif7 libavcodec59 \
    libavformat59 libswscale6 libavutil57; do
    pattern="$(sed 's/[+.]/\\&/g' <<<"$package")"
    grep -Eq "(^|, )$pattern \(>= [0-9][^)]*\)" <<<"$depends" ||
        fail "Depends lacks a versioned $package: $depends"
done
grep -Eq 'libasan|libubsan' <<<"$depends" && fail "Depends names a sanitizer runtime: $depends"
grep -q 'CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON"' "$build/CPackConfig.cmake" ||
    fail "the package is not set to compute its dependencies"
grep -q 'CPACK_DEBIAN_PACKAGE_DEPENDS' "$build/CPackConfig.cmake" &&
    fail "the package carries a hand-written Depends"

# Every file belongs to root, as dpkg installs it; directories and the program are 0755, the
# other files 0644.
dpkg-deb --contents "$deb" | awk '$2 != "root/root" { bad = 1; print "owner " $2 ": " $6 } END { exit bad }' ||
    fail "files not owned by root"
dpkg-deb --contents "$deb" | awk '
    { want = ($1 ~ /^d/ || $6 == "./usr/bin/dalvo") ? "rwxr-xr-x" : "rw-r--r--" }
    substr($1, 2) != want { bad = 1; print "mode " $1 ": " $6 }
    END { exit bad }' || fail "files or directories with the wrong mode"

# lintian, Debian's own check of a package. It is first shown to fail on a package with faults
# (no copyright, no changelog, no description), so that a lintian that reports nothing cannot pass.
# lintian leaves scratch files in the temporary folder, so it gets one of its own in the work folder.
lintian_tmp="$work/lintian-tmp"
rm -rf "$lintian_tmp" && mkdir -p "$lintian_tmp"
lintian_clean()
{
    local out status
    out="$(TMPDIR="$lintian_tmp" lintian --fail-on error,warning --info --display-level '>=info' "$1" 2>&1)"
    status=$?
    echo "$out" | grep -v '^running with root privileges is not recommended!$'
    [ "$status" -eq 0 ] && ! grep -Eq '^[EW]: ' <<<"$out"
}
faulty="$work/faulty"
rm -rf "$faulty" && mkdir -p "$faulty/DEBIAN" "$faulty/usr/bin"
printf '#!/bin/sh\n' > "$faulty/usr/bin/dalvo-faulty" && chmod 0755 "$faulty/usr/bin/dalvo-faulty"
printf 'Package: dalvo-faulty\nVersion: 1.0.0\nArchitecture: all\nMaintainer: %s\nDescription: x\n' \
    "$maintainer" > "$faulty/DEBIAN/control"
dpkg-deb --root-owner-group -b "$faulty" "$work/faulty.deb" >/dev/null || die "building the faulty package"
lintian_clean "$work/faulty.deb" >/dev/null && fail "lintian passed a package without copyright or changelog"
echo "== lintian $(basename "$deb")"
lintian_clean "$deb" || fail "lintian reported an error or a warning on the package"

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
    usr/share/mime/packages/dalvo.xml \
    usr/share/man/man1/dalvo.1.gz \
    usr/share/doc/dalvo/copyright \
    usr/share/doc/dalvo/changelog.gz; do
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
validation="$(desktop-file-validate "$desktop" 2>&1)" && [ -z "$validation" ] ||
    fail "desktop-file-validate reported on the installed entry: $validation"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not a program in usr/bin"
# The type the entry opens is the one the package's MIME file defines.
mime_type="$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")"
grep -q "<mime-type type=\"$mime_type\">" "$root/usr/share/mime/packages/dalvo.xml" 2>/dev/null ||
    fail "MimeType=$mime_type is not defined in usr/share/mime/packages/dalvo.xml"
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
validation="$(appstreamcli validate-tree --no-net "$root" 2>&1)"
status=$?
echo "$validation"
[ "$status" -eq 0 ] && ! grep -Eq '^[EW]: ' <<<"$validation" ||
    fail "appstreamcli validate-tree reported an error or a warning on the tree"

# The man page is compressed and names the program in its own section.
gzip -t "$root/usr/share/man/man1/dalvo.1.gz" 2>/dev/null || fail "the man page is not gzip data"
zcat "$root/usr/share/man/man1/dalvo.1.gz" 2>/dev/null | grep -q "^\.TH DALVO 1 .*Dalvo $version" ||
    fail "the man page header does not name section 1 and version $version"

# The licence: a machine-readable copyright file that puts the program under the GPL, version 3 or
# later, and points to the licence text Debian ships.
copyright="$root/usr/share/doc/dalvo/copyright"
head -n 1 "$copyright" | grep -q '^Format: https://www\.debian\.org/doc/packaging-manuals/copyright-format/1\.0/$' ||
    fail "the copyright file is not in the machine-readable format"
awk '/^Files: \*$/ { files = 1; next } files && /^License:/ { print $2; exit }' "$copyright" |
    grep -qx 'GPL-3+' || fail "the copyright file does not put Files: * under GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3"' "$copyright" ||
    fail "the copyright file does not point to /usr/share/common-licenses/GPL-3"

# The changelog: the newest entry is this version, signed by the maintainer.
zcat "$root/usr/share/doc/dalvo/changelog.gz" > "$work/changelog" 2>/dev/null ||
    fail "the changelog is not gzip data"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>/dev/null)" = "$version" ] ||
    fail "the newest changelog entry is not version $version"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer 2>/dev/null)" = "$maintainer" ] ||
    fail "the newest changelog entry is not signed by $maintainer"

# No invented web or mail address travels with the package.
grep -rlE 'example\.(org|com|net)' "$root" && fail "the package names a placeholder address"

finish "the package installs Dalvo where the desktop expects it"
