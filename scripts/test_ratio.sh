#!/usr/bin/env bash
# Prints how large the tests are against the code: non-blank lines of the tracked C++ files
# under tests/ and of the Python tests (test_*.py, *_test.py, anything under tests/) against
# the C++ files everywhere else. Binding files (.sip) count on neither side.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# Non-blank lines of the tracked files given as arguments, whose names match the pattern.
lines() { git ls-files -- "${@:2}" | { grep -E "$1" || true; } | xargs -r cat | { grep -cv '^[[:space:]]*$' || true; }; }
cpp_tests=$(lines '\.(cpp|h)$' 'tests/*')
py_tests=$(lines '(^|/)tests/|(^|/)test_[^/]*\.py$|_test\.py$' '*.py')
code=$(lines '\.(cpp|h)$' ':!tests/*')
awk -v t="$((cpp_tests + py_tests))" -v p="$py_tests" -v c="$code" \
    'BEGIN { printf "tests: %d lines (Python %d), code: %d lines, ratio %.2f\n", t, p, c, t / c }'
