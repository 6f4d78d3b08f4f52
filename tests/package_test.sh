#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks that it holds the
# program, its desktop files and icons, and depends on the Qt libraries the
# program loads.
set -euo pipefail
build="$1"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
command -v dpkg-shlibdeps >/dev/null || { echo "FAIL: dpkg-shlibdeps missing (dpkg-dev)"; exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$out"/quintaval_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')

status=0
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6; do
  [[ "$depends" == *"$lib"* ]] || { echo "FAIL: Depends lacks $lib: $depends"; status=1; }
done
for file in ./usr/bin/quintaval ./usr/bin/quintaval-convert \
            ./usr/share/applications/org.quintaval.Quintaval.desktop \
            ./usr/share/metainfo/org.quintaval.Quintaval.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/quintaval.svg \
            ./usr/share/icons/hicolor/48x48/apps/quintaval.png; do
  grep -qx -- "$file" <<<"$contents" || { echo "FAIL: package lacks $file"; status=1; }
done
[[ $status -eq 0 ]] && echo "PASS: $(basename "$deb"), Depends: $depends"
exit $status
