#!/usr/bin/env bash
# Every test: installs what is missing, builds the platform-neutral code with
# sanitizers and the Windows product, then runs the native unit tests and the
# Windows tests under Wine (unit tests and end-to-end tests, on a Japanese and a
# Western system).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh || exit 1
# Warnings are errors here, so no change goes in with one.
strict=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --preset native "$strict" >/dev/null && cmake --build --preset native -j2 || exit 1
cmake --preset windows "$strict" >/dev/null && cmake --build --preset windows -j2 || exit 1

status=0
ctest --preset native || status=1
ctest --preset windows || status=1
exit $status
