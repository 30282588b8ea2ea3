#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks it as Debian
# would accept it:
#   - it holds the program, its desktop entry, metainfo, icons, manual page, changelog
#     and copyright;
#   - it depends on the Qt libraries and the fonts the windows are laid out for, and
#     recommends Qt's Wayland plugin;
#   - lintian --pedantic reports no error and no warning;
#   - hardening-check finds a PIE, stack protector, fortified libc calls, read-only
#     relocations and immediate binding.
# With --install-cycle it checks the package's life instead: apt installs it with what it
# needs, the program starts (offscreen), apt removes and purges it, and no file of it is
# left behind. That needs root and a machine without velmora installed; elsewhere it
# reports itself skipped (exit status 77). A cycle that stops half-way purges the package
# and what apt pulled in with it all the same.
#
#   scripts/check-deb.sh [--install-cycle] [BUILD_DIR]      (BUILD_DIR default: build/)
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/check-deb.sh [--install-cycle] [BUILD_DIR]" --install-cycle -- "$@"
at_most_operands 1
install_cycle=false
[ -z "${option[--install-cycle]:-}" ] || install_cycle=true
root=$velmora_root
build=$(cd "${operands[0]:-$(build_folder linux)}" && pwd)
if $install_cycle; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIPPED: installing the package needs root"
        exit 77
    fi
    if [ "$(dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null)" = installed ]; then
        echo "SKIPPED: velmora is installed on this machine; its install cycle would remove it"
        exit 77
    fi
fi

cd "$build"
rm -f velmora_*.deb
mkdir -p logs
cpack -G DEB >logs/package-deb.log 2>&1 || die_with_log "building the Debian package" "$build/logs/package-deb.log"
deb=$build/$(ls velmora_*.deb)
status=0
fail() {
    echo "$*"
    status=1
}
unpacked=$(mktemp -d)
on_exit "rm -rf '$unpacked'"

check_contents() {
    contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
    # What data/ holds: the desktop entry, the metainfo and every size of the icon.
    expected=(./usr/bin/velmora ./usr/share/icons/hicolor/scalable/apps/velmora.svg
              ./usr/share/man/man1/velmora.1.gz ./usr/share/doc/velmora/changelog.gz
              ./usr/share/doc/velmora/copyright)
    for file in "$root"/data/*.desktop.in; do expected+=("./usr/share/applications/$(basename "$file" .in)"); done
    for file in "$root"/data/*.metainfo.xml.in; do expected+=("./usr/share/metainfo/$(basename "$file" .in)"); done
    for png in "$root"/data/icons/velmora-*.png; do
        size=${png##*/velmora-}
        size=${size%.png}
        expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/velmora.png")
    done
    for path in "${expected[@]}"; do
        grep -qxF "$path" <<<"$contents" || fail "missing from $deb: $path"
    done

    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 "${layout_font_packages[@]}"; do
        grep -q "$needed" <<<"$depends" || fail "$deb does not depend on $needed (Depends: $depends)"
    done
    # Velmora runs natively on Wayland desktops when Qt's Wayland plugin is there.
    recommends=$(dpkg-deb -f "$deb" Recommends)
    grep -q "$wayland_plugin_package" <<<"$recommends" ||
        fail "$deb does not recommend $wayland_plugin_package (Recommends: $recommends)"

    # The changelog's newest entry is this version.
    package_version=$(dpkg-deb -f "$deb" Version)
    changelog_version=$(sed -n '1s/^velmora (\([^)]*\)).*/\1/p' "$root/data/package/changelog")
    [ "$changelog_version" = "$package_version" ] ||
        fail "data/package/changelog starts with $changelog_version, the package is $package_version"

    # lintian prints nothing for a clean package, beyond a word on running as root.
    lintian_output=$(lintian --pedantic "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    if [ -n "$lintian_output" ]; then
        fail "lintian --pedantic on $deb:"
        echo "$lintian_output"
    fi

    dpkg-deb -x "$deb" "$unpacked"
    hardening=$(hardening-check "$unpacked/usr/bin/velmora" || true) # exits 1 on any "no"
    for line in "Position Independent Executable: yes" "Stack protected: yes" "Read-only relocations: yes" \
                "Immediate binding: yes"; do
        grep -qF "$line" <<<"$hardening" || fail "hardening-check: not \"$line\""
    done
    # Fortification shows only where the compiler could not prove a call safe with a buffer of
    # known size; a program with no such call gets "only unprotected functions" although it
    # is fortified (hardening-check's manual calls this a false alarm). Then every object
    # file must have been built with it.
    if ! grep -qF "Fortify Source functions: yes" <<<"$hardening"; then
        unfortified=$(awk '/"command"/ && !(/-D_FORTIFY_SOURCE=[23]/ && /-O[123s]/)' "$build/compile_commands.json")
        if grep -qF "only unprotected functions found" <<<"$hardening" && [ -z "$unfortified" ]; then
            echo "hardening-check: no call the compiler could check; every object is built with _FORTIFY_SOURCE"
        else
            fail "hardening-check: the program is not fortified"
        fi
    fi
    [ $status -eq 0 ] || echo "$hardening"
}

# Purges velmora and what apt pulled in with it, where a cycle stopped before doing so.
# shellcheck disable=SC2317 # run through on_exit
undo_install() {
    local to_purge=()
    case "$(dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null)" in
    "" | not-installed) ;;
    *) to_purge+=(velmora) ;;
    esac
    local package
    for package in ${pulled_in:-}; do
        [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ] || to_purge+=("$package")
    done
    [ ${#to_purge[@]} -eq 0 ] ||
        DEBIAN_FRONTEND=noninteractive apt-get "${apt_waits_for_lock[@]}" purge -y -qq "${to_purge[@]}" >/dev/null 2>&1
}
check_install_cycle() {
    # Everything a package may leave, not what apt and dpkg keep of their own.
    filesystem() {
        find /etc /opt /srv /usr /var -xdev \
            \( -path /var/lib/dpkg -o -path /var/lib/apt -o -path /var/cache -o -path /var/log \
               -o -path /var/tmp -o -path /var/lib/ucf -o -path /var/lib/systemd \) -prune -o -print | sort
    }
    packages() { dpkg-query -W -f='${db:Status-Status} ${Package}\n' | awk '$1 == "installed" {print $2}' | sort; }
    work=$(mktemp -d)
    on_exit "rm -rf '$work'"
    filesystem >"$work/files-before"
    packages >"$work/packages-before"
    export DEBIAN_FRONTEND=noninteractive
    # Whatever stops the cycle, the machine is left with the packages it had.
    pulled_in=""
    on_exit undo_install
    apt-get "${apt_waits_for_lock[@]}" install -y -qq "$deb" >/dev/null
    # What apt pulled in beside it goes again with it, as piuparts does.
    pulled_in=$(comm -13 "$work/packages-before" <(packages) | grep -vx velmora || true)
    echo "apt installed $(basename "$deb") and pulled in: ${pulled_in:-nothing}"

    # Offscreen, the program runs until it is ended; one that fails to start ends by itself.
    started=0
    QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/velmora >/dev/null 2>&1 || started=$?
    [ $started -eq 124 ] || fail "the installed velmora did not keep running (exit status $started)"

    apt-get "${apt_waits_for_lock[@]}" remove -y -qq velmora >/dev/null
    [ "$(dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null)" != installed ] ||
        fail "velmora is still installed after apt remove"
    [ ! -e /usr/bin/velmora ] || fail "apt remove left /usr/bin/velmora"
    # Without configuration files dpkg forgets a removed package; apt purge has then
    # nothing left to purge (and cannot find a package it knew only from a file).
    if [ "$(dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null)" = config-files ]; then
        apt-get "${apt_waits_for_lock[@]}" purge -y -qq velmora >/dev/null
    fi
    case "$(dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null)" in
    "" | not-installed) ;;
    *) fail "dpkg still knows velmora after apt purge" ;;
    esac
    # shellcheck disable=SC2086 # one package name a line, split into words on purpose
    [ -z "$pulled_in" ] || apt-get "${apt_waits_for_lock[@]}" purge -y -qq $pulled_in >/dev/null

    filesystem >"$work/files-after"
    left=$(comm -13 "$work/files-before" "$work/files-after")
    gone=$(comm -23 "$work/files-before" "$work/files-after")
    [ -z "$left" ] || fail "left behind after purge: $left"
    [ -z "$gone" ] || fail "gone after purge, there before install: $gone"
}

if $install_cycle; then
    check_install_cycle
    [ $status -eq 0 ] && echo "$(basename "$deb"): installed, started, removed and purged, no file of it left behind"
else
    check_contents
    [ $status -eq 0 ] && echo "$(basename "$deb"): files, dependencies, lintian and hardening as expected"
fi
exit $status
