#!/usr/bin/env bash
# What the program does without a window, through the command-line tool (after a build):
# inspects two RTV files, then keeps a demo project in build/demo, imports the sample videos
# into it and writes its report and sheets there.
set -euo pipefail
cd "$(dirname "$0")/.."
cli="build/app/tq420-cli --lang ${TQ420_LANG:-en}"
samples=build/sampledata
build/app/tq420-sampledata "$samples" >/dev/null
$cli inspect "$samples/rtv/v1025.rtv" "$samples/rtv/worked.rtv"

demo=build/demo
rm -rf "$demo" && mkdir -p "$demo"
$cli project add --app-dir "$demo" --number DEMO-1 --name "Demo survey" --site "River Avenue"
$cli import --app-dir "$demo" --project DEMO-1 "$samples"/videos/*.mp4
$cli project list --app-dir "$demo"
$cli report --app-dir "$demo" --project DEMO-1 --out "$demo/report.docx"
$cli sheet --app-dir "$demo" --project DEMO-1 --kind 2 --out "$demo/interpretation.xlsx"
$cli sheet --app-dir "$demo" --project DEMO-1 --kind 3 --out "$demo/evaluation.xlsx"
echo "The report and the sheets are in $demo."
