#!/usr/bin/env bash
# Prints how large the tests are against the code: non-blank C++ lines of the
# tracked files under tests/ (and their Python) against the C++ everywhere else.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { git ls-files -- "${@:2}" | grep -E "$1" | xargs cat | grep -cv '^[[:space:]]*$'; }
tests=$(count '\.(cpp|h|py)$' 'tests/*')
code=$(count '\.(cpp|h)$' ':!tests/*')
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests: %d lines, code: %d lines, ratio %.2f\n", t, c, t / c }'
