#!/usr/bin/env bash
# Pictures of the main window with a few channels filled, in English and in
# Chinese, taken under a virtual X server:
#   tools/screenshot.sh OUTPUT_FOLDER
# writes OUTPUT_FOLDER/orvel-English.png and OUTPUT_FOLDER/orvel-Chinese.png.
# Builds build/ first (tools/setup.sh); with ORVEL_BUILD=<build dir> it uses
# that build as it is. Installs xvfb and xauth when missing.
# The program draws its own window (--screenshot), so no X grabber is needed,
# and quits without touching the settings file.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:?usage: $0 OUTPUT_FOLDER}
mkdir -p "$out"
out=$(cd "$out" && pwd)
build=${ORVEL_BUILD:-$root/build}

need=()
command -v xvfb-run >/dev/null 2>&1 || need+=(xvfb)
command -v xauth >/dev/null 2>&1 || need+=(xauth)
if ((${#need[@]})); then
    echo "Installing: ${need[*]}"
    if [[ $(id -u) -eq 0 ]]; then apt_get=(apt-get); else apt_get=(sudo apt-get); fi
    export DEBIAN_FRONTEND=noninteractive
    "${apt_get[@]}" update -qq
    "${apt_get[@]}" install -y -qq --no-install-recommends "${need[@]}"
fi

[[ -n ${ORVEL_BUILD:-} ]] || "$root/tools/setup.sh"
bin="$build/bin"

# A data file with a few channels, made by the command-line tool.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/channels.csv" <<'CSV'
Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Beat Shift,Busy Lockout
1,462.56250,462.56250,67.0,67.0,High,Wide,Yes,No,No
2,462.58750,467.58750,D023N,D023N,High,Narrow,Yes,No,Yes
3,462.61250,462.61250,None,None,Low,Wide,No,No,No
4,450.02500,455.02500,88.5,100.0,High,Wide,Yes,Yes,No
5,465.00000,465.00000,D754I,None,Low,Narrow,Yes,No,No
6,469.97500,,None,None,High,Wide,No,No,No
CSV
"$bin/orvel-cli" import "$work/channels.csv" -o "$work/demo.dat" >/dev/null

for language in English Chinese; do
    xvfb-run -a -s "-screen 0 1280x800x24" \
        "$bin/orvel" --language "$language" --open "$work/demo.dat" \
        --screenshot "$out/orvel-$language.png"
    echo "$out/orvel-$language.png"
done
