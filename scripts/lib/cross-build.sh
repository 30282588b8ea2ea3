# shellcheck shell=bash
# Qt and GoogleTest built from Debian's own sources for another platform: the pieces that
# the Windows and the browser builds share. Sourced after common.sh. Nothing here touches
# the machine outside the cache folder.
#
# The cache, ${XDG_CACHE_HOME:-$HOME/.cache}/velmora/, is shared by every clone. Each Qt
# there holds .complete once whole, and is used only then.

velmora_cache=${XDG_CACHE_HOME:-$HOME/.cache}/velmora

# Debian's version of the source package, e.g. 6.4.2+dfsg-10: that of the host tools.
qt_debian_version() { dpkg-query -W -f='${source:Version}' qt6-base-dev; }

# The deb-src twins of the Debian archives apt already uses, in a private apt folder: the
# machine's own apt sources stay as they are. Unpacks the source into WORK/qtbase.
fetch_qt_source() {
    local version=$1 work=$2 log=$3 apt=$2/apt
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d" "$apt/state"
    # shellcheck disable=SC2016 # apt's own placeholders, filled in by apt
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' "Identifier: Packages" |
        awk '$1 ~ /\/debian(-security)?\/$/ {print "deb-src " $0}' | sort -u >"$apt/sources.list.d/debian-src.list"
    [ -s "$apt/sources.list.d/debian-src.list" ] || {
        echo "no Debian archive among apt's sources" >"$log"
        die_with_log "finding Debian's archive for the Qt source" "$log"
    }
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                   -o "Dir::State=$apt/state" -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                   -o APT::Sandbox::User=root)
    (
        cd "$work"
        apt-get "${options[@]}" update &&
            apt-get "${options[@]}" source --download-only "qt6-base=$version" &&
            dpkg-source -x ./*.dsc qtbase
    ) >"$log" 2>&1 || die_with_log "fetching and unpacking Debian's qt6-base $version source" "$log"
}

# Qt's licence texts, Debian's copyright file (every part of the source with its licence)
# and the notices of the third-party code built into Qt, into DEST/licenses, and a line
# naming the source into DEST/SOURCE. HOW says how it was built.
copy_qt_licences() {
    local source=$1 dest=$2 version=$3 how=$4
    mkdir -p "$dest/licenses/3rdparty"
    cp "$source"/LICENSES/* "$dest/licenses/"
    cp "$source/debian/copyright" "$dest/licenses/debian-copyright.txt"
    (cd "$source/src/3rdparty" &&
        find . \( -iname 'licen[cs]e*' -o -iname 'copying*' -o -name qt_attribution.json \) -type f \
            -exec cp --parents {} "$dest/licenses/3rdparty/" \;)
    echo "qt6-base $version (Debian source package), $how" >"$dest/SOURCE"
}

# Moves a Qt installed under STAGE (DESTDIR) to PREFIX whole and marks it complete, so
# that the cache never holds a Qt that looks complete and is not.
publish_staged_qt() {
    local stage=$1 prefix=$2
    mkdir -p "$(dirname "$prefix")"
    mv "$stage$prefix" "$prefix"
    touch "$prefix/.complete"
}

# GoogleTest for the core suites, from Debian's googletest source, cached beside Qt as
# googletest-VERSION-PLATFORM; sets gtest_prefix. The remaining arguments go to CMake.
ensure_googletest() {
    local platform=$1 version
    shift
    version=$(dpkg-query -W -f='${Version}' googletest)
    gtest_prefix=$velmora_cache/googletest-$version-$platform
    [ -f "$gtest_prefix/.complete" ] && return 0
    local work=$velmora_cache/gtest-work-$platform log=$velmora_cache/logs/googletest-$platform.log
    rm -rf "$gtest_prefix" "$work"
    mkdir -p "$velmora_cache/logs"
    {
        cmake -S /usr/src/googletest -B "$work" -G Ninja "$@" \
            -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest_prefix" &&
            cmake --build "$work" && DESTDIR=$work/stage cmake --install "$work"
    } >"$log" 2>&1 || die_with_log "building GoogleTest for $platform" "$log"
    mv "$work/stage$gtest_prefix" "$gtest_prefix"
    touch "$gtest_prefix/.complete"
    rm -rf "$work"
}
