#!/usr/bin/env bash
# Fails when a C or C++ file of the repository is not formatted with the root .clang-format
# (fix with: clang-format -i <file>).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
list() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -- '*.c' '*.cc' '*.cpp' '*.h' '*.hpp'
  else
    find . -path ./build -prune -o -path './build-*' -prune -o -path ./.git -prune -o \
      -type f \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) -print0
  fi
}
if ! list | xargs -0 -r clang-format --dry-run --Werror; then
  echo "check-format: the files above are not formatted; run clang-format -i on them" >&2
  exit 1
fi
echo "check-format: every C and C++ file is formatted"
