#!/usr/bin/env bash
# Fails when shellcheck finds anything in a shell script of the project, and lists the
# findings; it reads .shellcheckrc at the root. CMake's template of the Wine runner is
# checked as CMake makes it, with placeholders where the build's own paths go.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/check-shell.sh" -- "$@"
at_most_operands 0
ensure_packages shellcheck
cd "$velmora_root"

status=0
git ls-files -z '*.sh' | xargs -0 shellcheck -f gcc || status=1

# The template's copy lies outside the tree, where no .shellcheckrc is found: -x lets it
# follow the source of common.sh, which the project's real path names. Its findings are
# shown under the template's name.
template=tests/windows/run-under-wine.sh.in
scratch=$(mktemp -d)
on_exit "rm -rf '$scratch'"
sed -e "s|@PROJECT_SOURCE_DIR@|$velmora_root|g" \
    -e 's|@VELMORA_WINE_PREFIX@|/placeholder/wineprefix|g' \
    -e 's|@VELMORA_FONT_FILES_SPACED@|/placeholder/a.ttf /placeholder/b.ttf|g' \
    -e 's|@VELMORA_WINE_DLL_DIRS@|/placeholder/bin /placeholder/lib|g' \
    "$template" >"$scratch/run-under-wine.sh"
if grep -n '@[A-Z_]*@' "$scratch/run-under-wine.sh"; then
    log "$template has a variable this check does not fill in"
    status=1
fi
if ! (cd "$scratch" && shellcheck -x -f gcc run-under-wine.sh) >"$scratch/findings"; then
    sed "s|^run-under-wine.sh:|$template:|" "$scratch/findings"
    status=1
fi

[ $status -eq 0 ] || die "shellcheck found the above"
echo "every shell script is clean"
