#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Kelvaro needs to build, test and run.
# Idempotent: packages already present are skipped. Uses apt-get as root or
# through sudo; otherwise prints the list and stops.
set -euo pipefail

core_packages=(g++ cmake ninja-build make libgtest-dev nlohmann-json3-dev libbenchmark-dev)
desktop_packages=(qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation qt6-translations-l10n)
tool_packages=(poppler-utils zbar-tools xvfb clang-format dpkg-dev desktop-file-utils)

packages=("${core_packages[@]}")
if [ "${KELVARO_BUILD_DESKTOP:-ON}" != "OFF" ]; then
  packages+=("${desktop_packages[@]}")
fi
packages+=("${tool_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Kelvaro needs these packages, but this is no Debian/Ubuntu system:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
  sudo_cmd=(sudo)
else
  echo "Missing packages (install them as root, then run make again):" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
