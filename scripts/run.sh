#!/usr/bin/env bash
# Sets up, builds and starts the program. Arguments are passed on ("-report [-english]" for
# the report mode). Without a display the program cannot show its window: the script says
# so and shows the headless command-line tool at work instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
build/app/tq420-sampledata build/sampledata >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/KLN_TQ420 "$@"
fi
cat <<'TEXT'
No display: the window of KLN_TQ420 cannot be shown here.
  - On a desktop, run this script again, or start build/app/KLN_TQ420 directly.
  - Under a virtual display: xvfb-run -a -s "-screen 0 1600x900x24" build/app/KLN_TQ420
  - Without any display the command-line tool build/app/tq420-cli does the same work;
    it runs now on the sample data (build/sampledata):
TEXT
exec scripts/demo-cli.sh
