#!/usr/bin/env bash
# Checks a built Debian package: its dependencies were computed, and unpacked into a scratch
# root (dpkg -x, nothing is installed) it holds the program, the start-menu entry, the icons
# and the manual page, and the program runs from there.
#   scripts/paket-pruefen.sh build/kelvaro_<version>_<arch>.deb
set -euo pipefail
paket=${1:?Aufruf: scripts/paket-pruefen.sh PAKET.deb}
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg -x "$paket" "$wurzel"

fehler=0
melden() {
  echo "Paket $paket: $*" >&2
  fehler=1
}

dateien=(usr/bin/kelvaro usr/share/applications/kelvaro.desktop usr/share/man/man1/kelvaro.1.gz)
for groesse in 16 22 24 32 48 64 128 256; do
  dateien+=("usr/share/icons/hicolor/${groesse}x${groesse}/apps/kelvaro.png")
done
for datei in "${dateien[@]}"; do
  [ -s "$wurzel/$datei" ] || melden "es fehlt $datei"
done
[ -x "$wurzel/usr/bin/kelvaro" ] || melden "usr/bin/kelvaro ist nicht ausführbar"

abhaengig=$(dpkg-deb -f "$paket" Depends)
namen=$(tr ',' '\n' <<<"$abhaengig" | sed -e 's/^ *//' -e 's/ .*//')
for noetig in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6printsupport6 fonts-liberation qt6-translations-l10n; do
  grep -Fxq "$noetig" <<<"$namen" || melden "Depends nennt $noetig nicht: $abhaengig"
done

if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$wurzel/usr/share/applications/kelvaro.desktop" || melden "die .desktop-Datei ist ungültig"
fi
grep -q '^Categories=.*Education' "$wurzel/usr/share/applications/kelvaro.desktop" || melden "Kategorie Education fehlt"
gzip -t "$wurzel/usr/share/man/man1/kelvaro.1.gz" || melden "die Handbuchseite ist kein gzip"
for befehl in show edit check barcode sheet info grade scan stage; do
  zcat "$wurzel/usr/share/man/man1/kelvaro.1.gz" | grep -q "^\.B[IR]* $befehl" || melden "die Handbuchseite nennt $befehl nicht"
done

# The unpacked program answers without a display.
erste=$("$wurzel/usr/bin/kelvaro" info 0 | head -n 1)
[ "$erste" = "Informationen zu den Vertiefungskursen:" ] || melden "kelvaro info 0 gibt \"$erste\" aus"

if [ "$fehler" -ne 0 ]; then
  exit 1
fi
echo "Paket $paket: ${#dateien[@]} Dateien, Abhängigkeiten: $abhaengig"
