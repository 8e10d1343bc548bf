#!/usr/bin/env bash
# Sets everything up and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh dev

# The Windows screen-mode routines are built only on Windows; the cross compiler checks them here.
x86_64-w64-mingw32-g++ -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror \
  -I src src/platform/qt/displaymode_windows.cpp

# The core and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer (clang);
# the test preset sets MELVANE_QUICK=1, which shortens the full-cycle and soak tests.
scripts/setup.sh asan
ctest --preset asan

# The fuzz targets, each for a few seconds from its seed corpus: a check that they build and
# that nothing once found comes back, not a search. What they find goes to a scratch folder,
# never into the seed corpus.
scripts/setup.sh fuzz
fuzz_scratch="$(mktemp -d)"
trap 'rm -rf "$fuzz_scratch"' EXIT
for target in settings_reader arguments evaluation; do
  mkdir -p "$fuzz_scratch/$target"
  if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time=5 -artifact_prefix="$fuzz_scratch/" \
      "$fuzz_scratch/$target" "fuzz/corpus/$target" >"$fuzz_scratch/$target.log" 2>&1; then
    cat "$fuzz_scratch/$target.log"
    echo "fuzz_$target failed" >&2
    exit 1
  fi
  { grep -E '^#[0-9]+[[:space:]]+DONE' "$fuzz_scratch/$target.log" || true; } | sed "s/^/fuzz_$target: /"
done

# Every text of the sources translated, in every language, as the sources stand.
scripts/check-translations.sh

# The Debian package from the release preset, checked as a clean machine would see it.
scripts/check-package.sh

# Every test of the game last, so its summary closes the run.
ctest --preset dev
