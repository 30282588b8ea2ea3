#!/usr/bin/env bash
# Fails when a C++ source file is not formatted by the project's .clang-format; lists the
# places. To format them: git ls-files '*.cpp' '*.h' | xargs clang-format -i
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/check-format.sh" -- "$@"
at_most_operands 0
ensure_packages clang-format
cd "$velmora_root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "every C++ source file is formatted"
