#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (default build/) and checks
# that it holds the program, its desktop entry, metainfo and icons, and that it depends
# on the Qt libraries and the fonts the windows are laid out for, and recommends Qt's
# Wayland plugin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t velmora_*.deb | head -n 1)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
# The desktop entry, the metainfo and every size of the icon, as data/ holds them.
expected=(./usr/bin/velmora ./usr/share/icons/hicolor/scalable/apps/velmora.svg)
for file in "$root"/data/*.desktop; do expected+=("./usr/share/applications/${file##*/}"); done
for file in "$root"/data/*.metainfo.xml; do expected+=("./usr/share/metainfo/${file##*/}"); done
for png in "$root"/data/icons/velmora-*.png; do
    size=${png##*/velmora-}
    size=${size%.png}
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/velmora.png")
done

status=0
for path in "${expected[@]}"; do
    if ! grep -qxF "$path" <<<"$contents"; then
        echo "missing from $deb: $path"
        status=1
    fi
done

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-urw-base35 fonts-dejavu-extra; do
    if ! grep -q "$needed" <<<"$depends"; then
        echo "$deb does not depend on $needed (Depends: $depends)"
        status=1
    fi
done
# Velmora runs natively on Wayland desktops when Qt's Wayland plugin is there.
recommends=$(dpkg-deb -f "$deb" Recommends)
if ! grep -q "qt6-wayland" <<<"$recommends"; then
    echo "$deb does not recommend qt6-wayland (Recommends: $recommends)"
    status=1
fi
[ $status -eq 0 ] && echo "$deb: files and dependencies as expected"
exit $status
