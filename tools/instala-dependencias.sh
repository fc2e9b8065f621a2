#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing QELP need,
# and only those that are missing. Uses apt-get, through sudo when not root.
set -euo pipefail

pacotes=(
  # build
  cmake make g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libassimp-dev libopenal-dev libmeshoptimizer-dev qt6-charts-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  # running without a display, OpenGL in software, end-to-end tests
  xvfb xauth x11-utils xdotool libgl1-mesa-dri
  # building the Debian package and checking it as Debian and the software
  # centres do: desktop entries, lintian, AppStream, manual pages
  desktop-file-utils dpkg-dev lintian appstream man-db groff-base
  # screenshots of a virtual screen (import -window root)
  imagemagick
  # fonts for the pictures and dialogs
  fonts-dejavu-core fonts-liberation
  # checking sounds
  sox
)

faltando=()
for pacote in "${pacotes[@]}"; do
  estado=$(dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null || true)
  if [[ "$estado" != "install ok installed" ]]; then
    faltando+=("$pacote")
  fi
done

if ((${#faltando[@]} == 0)); then
  exit 0
fi

echo "Instalando: ${faltando[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${faltando[@]}"
