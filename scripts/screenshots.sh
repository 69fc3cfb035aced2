#!/usr/bin/env bash
# Renders every window of the desktop program, and the first page of a printed selection
# sheet, as PNG pictures without a display (offscreen). Run after `make build`.
#   scripts/screenshots.sh [BUILD_DIR [ZIELVERZEICHNIS]]
# Default: build/ and docs/ (the pictures the README shows). Fails when a picture is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
ziel=${2:-docs}
kelvaro="$build_dir/src/kelvaro"
tool="$build_dir/src/kelvaro-screenshot"
for programm in "$kelvaro" "$tool"; do
  if [ ! -x "$programm" ]; then
    echo "$programm fehlt: erst 'make build' ausführen." >&2
    exit 1
  fi
done
mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)
kelvaro=$(cd "$(dirname "$kelvaro")" && pwd)/kelvaro
tool=$(cd "$(dirname "$tool")" && pwd)/kelvaro-screenshot
export QT_QPA_PLATFORM=offscreen
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
datum=2026-02-10

# Example plans, chosen as a student chooses: a clean one, and one with gaps that the
# check reports.
faecher=(--event 'WahlFS1=Englisch (ab 5)' --event WahlNW1=Physik --event WahlNW2=Chemie
  --event 'WahlEt=evan. Religion' --event WahlKM=Musik
  --event 'WahlWa1=Französisch (ab 7)' --event WahlWa2=Informatik --event 'WahlVK10=VK Mathem.'
  --event 'PKEntBox=Pro.ku. + Wa.fa.' --event 'WahlPK=Schüler experi.')
plan="$arbeit/plan.abi"
"$kelvaro" edit --date "$datum" "${faecher[@]}" --event WahlGW=Geschichte \
  --event 'AbiFS1=LK A' --event 'AbiNW1=LK B' --event 'AbiMa=3. Abifach, schriftlich' \
  --event 'AbiGW=4. Abifach, mündlich' --event 'AbwEtBox=nach Q2.1' --save "$plan" > /dev/null
luecken="$arbeit/luecken.abi"
"$kelvaro" edit --date "$datum" "${faecher[@]}" --event 'AbiKM=LK A' --save "$luecken" > /dev/null

bilder=()
# One picture: file name, screen size, today's date, plan, then the user's actions
# ([FENSTER.]STEUERELEMENT=WERT); the picture shows the window active at the end.
bild() {
  local name=$1 breite=$2 hoehe=$3 tag=$4 laufbahn=$5
  shift 5
  "$tool" "$breite" "$hoehe" "$ziel/$name" "$tag" "$laufbahn" "$@"
  bilder+=("$name")
}

bild hauptfenster-1280x800.png 1280 800 "$datum" "$plan"
bild hauptfenster-1920x1080.png 1920 1080 "$datum" "$plan"
bild hauptfenster-klausurwahl-1hj.png 1280 800 2025-09-10 "$plan"
bild hauptfenster-klausurwahl-2hj.png 1280 800 2025-12-10 "$plan"
bild ersatzfach.png 1280 800 "$datum" "$plan" ErsatzfachBut=
bild meldungen.png 1280 800 "$datum" "$luecken" AbiFaecherPruefen=
bild laufbahn-gueltig.png 1280 800 "$datum" "$plan" AbiFaecherPruefen=
bild namenspanel.png 1280 800 "$datum" "$plan" AbiFaecherPruefen= TForm2.Wahlzetteldrucken= \
  TForm2.VornameEdit=Anna TForm2.NachnameEdit=Schmidt TForm2.ZweiteFSSek1Box=1 TForm2.AlternativPKCombo=Podcast
bild infofenster.png 1280 800 "$datum" "$plan" AbiturfaecherBut=
bild infofenster-liste.png 1280 800 "$datum" "$plan" ErlaubteDefiziteBut=

# The grade window with points for the example plan: during entry (the last points still
# missing) and after "Abiturnote berechnen". `kelvaro grade` lists the slots still missing.
teil="$arbeit/noten-teil.abi"
voll="$arbeit/noten-voll.abi"
punkte=(11 9 12 13 8 10 14 7 12 11 4 13 9 12 10 15 8 11 13 6 12 10 3 11)
noten=()
while read -r slot _; do
  noten+=(--note "$slot=${punkte[$((${#noten[@]} / 2 % ${#punkte[@]}))]}")
done < <("$kelvaro" grade "$plan" --date "$datum" 2>&1 | tail -n +2)
"$kelvaro" grade "$plan" --date "$datum" "${noten[@]:0:$((${#noten[@]} - 12))}" --save "$teil" > /dev/null 2>&1 || true
"$kelvaro" grade "$plan" --date "$datum" "${noten[@]}" --save "$voll" > /dev/null 2>&1 || true
bild notenfenster-eingabe.png 1280 800 "$datum" "$teil" noten
bild notenfenster-ergebnis.png 1280 800 "$datum" "$voll" ergebnis

# Teacher mode: a stage folder with its name list and three plan files, one of them of a
# student the list does not know; the tool runs in it as a teacher starts the program there.
stufe="$arbeit/stufe"
mkdir -p "$stufe/Q1"
printf '%s\r\n' 'Nr;Id;Klasse;Jahrgang;Geschlecht;Nachname;Vorname;Geburtsdatum;Kurs;Rest' \
  '1;101;Q1a;"Q1";w;"Schmidt";"Anna";12.03.2009;"Bio";' '2;102;Q1a;"Q1";m;"Özdemir";"Can";02.11.2008;"Ph";' \
  '3;103;Q1b;"Q1";w;"Weber";"Lilli";30.06.2009;"E";' | iconv -f UTF-8 -t WINDOWS-1252 > "$stufe/Q1/Schüler Q1.txt"
for datei in Schmi_Anna.abi Weber_Lilli.abi Meyr_Jonas.abi; do cp "$plan" "$stufe/Q1/$datei"; done
# A sheet of a student of the list; its barcode carries five letters of each name.
lehrer() {
  pushd "$stufe" > /dev/null
  bild "$@"
  popd > /dev/null
}
lehrer auswahl.png 1280 800 "$datum" - Button3=
lehrer scan-angenommen.png 1280 800 "$datum" - "scan:Can:Özdem:$plan"
lehrer scan-fehlscan.png 1280 800 "$datum" - "fehlscan:Can:Özdem:$plan"

# The first page of the printed sheet, from its PDF.
"$kelvaro" sheet "$plan" --pdf "$arbeit/wahlzettel.pdf" --date "$datum" --vorname Anna --nachname Schmidt \
  --zweite-fs-sek1 1 --alternativ-pk Podcast 2> /dev/null
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$arbeit/wahlzettel.pdf" "$ziel/wahlzettel-seite1"
bilder+=(wahlzettel-seite1.png)

fehlt=0
for name in "${bilder[@]}"; do
  if [ ! -s "$ziel/$name" ]; then
    echo "Bild fehlt: $ziel/$name" >&2
    fehlt=1
  fi
done
[ "$fehlt" -eq 0 ] || exit 1
echo "${#bilder[@]} Bilder in $ziel/: ${bilder[*]}"
