#!/usr/bin/env bash
# Fails when a C++ source file is not formatted by the project's .clang-format; lists the
# places. To format them: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
source "$(dirname "$0")/setup.sh"
ensure_packages clang-format
cd "$velmora_root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "every C++ source file is formatted"
