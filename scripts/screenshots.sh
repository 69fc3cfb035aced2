#!/usr/bin/env bash
# Renders the main window at 1280 x 800 and 1920 x 1080 and the grade window into docs/
# (offscreen, no display needed). Run after `make build` (or pass the build directory as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
tool="$build_dir/src/kelvaro-screenshot"
if [ ! -x "$tool" ]; then
  echo "$tool fehlt: erst 'make build' ausführen." >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
# An example plan, chosen as a student would choose it.
plan=$(mktemp --suffix=.abi)
trap 'rm -f "$plan"' EXIT
"$build_dir/src/kelvaro" edit --date 2026-02-10 \
  --event 'WahlFS1=Englisch (ab 5)' --event WahlNW1=Physik --event WahlNW2=Chemie \
  --event WahlGW=Geschichte --event 'WahlEt=evan. Religion' --event WahlKM=Musik \
  --event 'WahlWa1=Französisch (ab 7)' --event WahlWa2=Informatik --event 'WahlVK10=VK Mathem.' \
  --event 'PKEntBox=Pro.ku. + Wa.fa.' --event 'WahlPK=Schüler experi.' \
  --event 'AbiFS1=LK A' --event 'AbiNW1=LK B' --event 'AbiMa=3. Abifach, schriftlich' \
  --event 'AbiGW=4. Abifach, mündlich' --event 'AbwEtBox=nach Q2.1' \
  --save "$plan" > /dev/null
"$tool" 1280 800 docs/hauptfenster-1280x800.png 2026-02-10 "$plan"
"$tool" 1920 1080 docs/hauptfenster-1920x1080.png 2026-02-10 "$plan"
echo "docs/hauptfenster-1280x800.png und docs/hauptfenster-1920x1080.png geschrieben."

# The grade window with points for the example plan: during entry (the last points still
# missing) and after "Abiturnote berechnen".
teil=$(mktemp --suffix=.abi)
voll=$(mktemp --suffix=.abi)
trap 'rm -f "$plan" "$teil" "$voll"' EXIT
punkte=(11 9 12 13 8 10 14 7 12 11 4 13 9 12 10 15 8 11 13 6 12 10 3 11)
noten=()
while read -r slot _; do
  noten+=(--note "$slot=${punkte[$((${#noten[@]} / 2 % ${#punkte[@]}))]}")
done < <("$build_dir/src/kelvaro" grade "$plan" --date 2026-02-10 2>&1 | tail -n +2)
"$build_dir/src/kelvaro" grade "$plan" --date 2026-02-10 "${noten[@]:0:$((${#noten[@]} - 12))}" --save "$teil" \
  > /dev/null 2>&1 || true
"$build_dir/src/kelvaro" grade "$plan" --date 2026-02-10 "${noten[@]}" --save "$voll" > /dev/null 2>&1 || true
"$tool" 1280 800 docs/notenfenster-eingabe.png 2026-02-10 "$teil" noten
"$tool" 1280 800 docs/notenfenster-ergebnis.png 2026-02-10 "$voll" ergebnis
echo "docs/notenfenster-eingabe.png und docs/notenfenster-ergebnis.png geschrieben."
