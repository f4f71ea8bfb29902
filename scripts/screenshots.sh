#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/) under a virtual display, in English and
# Chinese, on a demo project made from the sample data. Needs a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
app="$PWD/build/app"
out=docs/screenshots
"$app/tq420-sampledata" build/sampledata >/dev/null
for lang in en zh; do
    dir=build/screenshot-data-$lang
    rm -rf "$dir" && mkdir -p "$dir"
    cli="$app/tq420-cli --lang $lang"
    $cli project add --app-dir "$dir" --number "JC-2026-031" --name "Renmin Road sewer survey" \
        --site "Renmin Road, Dongcheng" --date 2026-11-20 >/dev/null
    $cli project add --app-dir "$dir" --number "JC-2026-032" --name "River Avenue storm drains" \
        --site "River Avenue" --date 2026-11-27 >/dev/null
    $cli import --app-dir "$dir" --project "JC-2026-031" build/sampledata/videos/*.mp4 >/dev/null
    xvfb-run -a -s "-screen 0 1600x900x24" \
        "$app/tq420-screenshots" --app-dir "$dir" --lang "$lang" "$out" "$@"
done
