#!/usr/bin/env bash
# Which SFTP library: builds the two benchmark programs and prints their tables, the
# figures (MiB/s, seconds, peak memory, the median of the runs) and then what each library
# can do. As root (the sshd fixture's mount namespace). The machine should be quiet: the
# load average is printed before and after, for the figures' context.
#
#   bench/sftp_libraries.sh [bench_sftp_libraries options: --size-mib 512 --runs 3 ...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps
build=${BUILD_DIR:-build/default}
cmake --build "$build" --target bench_sftp_libraries bench_sftp_features >/dev/null
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
"$build/bench/bench_sftp_libraries" "$@"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$build/bench/bench_sftp_features"
