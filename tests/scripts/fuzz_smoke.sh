#!/usr/bin/env bash
# A short run of every fuzz target (about 5 s each), so a reader that crashes on its own seed
# files or on the first mutations is caught with the other tests.
set -euo pipefail
cd "$(dirname "$0")/../.."
if ! command -v clang++ >/dev/null; then
  echo "fuzz_smoke: clang++ is not installed; skipped"
  exit 0
fi
bash tools/fuzz.sh "${QV_FUZZ_SMOKE_SECONDS:-5}"
