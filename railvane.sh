#!/usr/bin/env bash
# Start here on a bare Debian 12: needs only bash and apt.
#   ./railvane.sh run [args]  install what is missing, build into build/ and start Railvane
#   ./railvane.sh test        install what is missing, build and run the whole test suite
#   ./railvane.sh sanitize    the suite once more, built with AddressSanitizer and UBSan
# The missing packages (make among them) come from scripts/install-deps.sh; after that the
# Makefile targets of the same names do the work.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
  echo "usage: ./railvane.sh run [railvane arguments] | test | sanitize" >&2
  exit 2
}

(($# >= 1)) || usage
cmd=$1
shift
case "$cmd" in
  run) ;;
  test | sanitize) (($# == 0)) || usage ;;
  *) usage ;;
esac

bash scripts/install-deps.sh

if [[ "$cmd" == run && $# -gt 0 ]]; then
  # make cannot pass arguments with spaces through safely, so build with make and start directly.
  make --no-print-directory build
  exec ./build/railvane "$@"
fi
exec make --no-print-directory "$cmd"
