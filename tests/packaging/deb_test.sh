#!/usr/bin/env bash
# Builds the Debian package from the build tree and reads its control fields and contents.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) ||
    { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -n 1)
[[ -n $deb ]] || { echo "FAIL: no package built"; exit 1; }
echo "built $(basename "$deb")"

failures=0
expect() { # description, actual, pattern
    if [[ $2 == $3 ]]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1: '$2' does not match '$3'"
        failures=$((failures + 1))
    fi
}

expect "file name" "$(basename "$deb")" "velomar_1.0.0.0_$(dpkg --print-architecture).deb"
expect "Package" "$(dpkg-deb -f "$deb" Package)" "velomar"
expect "Version" "$(dpkg-deb -f "$deb" Version)" "1.0.0.0"
expect "Architecture" "$(dpkg-deb -f "$deb" Architecture)" "$(dpkg --print-architecture)"
expect "Maintainer" "$(dpkg-deb -f "$deb" Maintainer)" "Velomar Software <*@*>"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
expect "depends on Qt widgets" "$depends" "*libqt6widgets6 (>= *"
expect "depends on Qt gui" "$depends" "*libqt6gui6*"
expect "depends on the C++ library" "$depends" "*libstdc++6*"
expect "depends on the font" "$depends" "*fonts-liberation*"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
id=hu.velomar.Velomar
for path in ./usr/bin/velomar ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/16x16/apps/$id.png \
    ./usr/share/icons/hicolor/32x32/apps/$id.png ./usr/share/icons/hicolor/scalable/apps/$id.svg; do
    expect "contains $path" "$(grep -cx -- "$path" <<<"$contents")" 1
done

if ((failures)); then
    echo "$failures checks failed"
    exit 1
fi
