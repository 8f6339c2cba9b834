#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the layout and the desktop files the way
# the distribution's own tools do.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

id=hu.velomar.Velomar
expected=(
    bin/velomar
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/16x16/apps/$id.png
    share/icons/hicolor/32x32/apps/$id.png
    share/icons/hicolor/scalable/apps/$id.svg
)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ $actual != "$wanted" ]]; then
    echo "FAIL: installed files differ"
    diff <(echo "$wanted") <(echo "$actual") || true
    exit 1
fi
echo "PASS: installed layout"

[[ -x $prefix/bin/velomar ]] || { echo "FAIL: bin/velomar is not executable"; exit 1; }
for size in 16 32; do
    got=$(file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ $got == "PNG image data, $size x $size, 8-bit colormap"* ]] ||
        { echo "FAIL: the ${size} px icon is $got"; exit 1; }
done
echo "PASS: icon sizes"

desktop-file-validate "$prefix/share/applications/$id.desktop"
echo "PASS: desktop-file-validate"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.0.0.0"' "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "FAIL: no 1.0.0.0 release"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || { echo "FAIL: launchable"; exit 1; }
echo "PASS: appstreamcli validate"
