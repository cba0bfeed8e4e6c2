#!/usr/bin/env bash
# Prints how large the tests are against the code: non-blank C++ lines of the
# tracked files under tests/ against those everywhere else.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs cat | grep -cv '^[[:space:]]*$'; }
tests=$(count 'tests/*')
code=$(count ':!tests/*')
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests: %d lines, code: %d lines, ratio %.2f\n", t, c, t / c }'
