#!/usr/bin/env bash
# The game core is plain C++: Qt may appear only in view/, app/, bench/ and tests/.
# Fails, naming the lines, when a core folder includes a Qt header.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
core=(host quiz settings ui results checker editor library game)
found=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' \
    --include='*.h' --include='*.cpp' "${core[@]}" 2>/dev/null || true)
if [[ -n "$found" ]]; then
    echo "Qt headers in the plain C++ core (move this code to view/):"
    echo "$found"
    exit 1
fi
echo "no Qt header in: ${core[*]}"
