#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (default build/) and checks
# that it holds the program, its desktop entry, metainfo and icons, and that it depends
# on the Qt libraries and the fonts the windows are laid out for, and recommends Qt's
# Wayland plugin.
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t velmora_*.deb | head -n 1)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for path in ./usr/bin/velmora \
            ./usr/share/applications/org.velmora.Velmora.desktop \
            ./usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/velmora.svg \
            ./usr/share/icons/hicolor/16x16/apps/velmora.png \
            ./usr/share/icons/hicolor/32x32/apps/velmora.png; do
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
