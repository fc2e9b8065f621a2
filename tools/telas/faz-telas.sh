#!/usr/bin/env bash
# The README's pictures, taken from the real programs: the opening screen, a
# match with its panel, and the help viewer, each window alone, on a private
# Xvfb with a copy of the run directory. Usage: faz-telas.sh RUN_DIR OUT_DIR
set -euo pipefail
run=${1:?usage: faz-telas.sh RUN_DIR OUT_DIR}
saida=${2:?usage: faz-telas.sh RUN_DIR OUT_DIR}
mkdir -p "$saida"
trabalho=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT
cp -r "$run"/. "$trabalho"/
printf '130\n90\ndp/fase1.txt\n' >"$trabalho/dp/apl.cnf"
printf '[general]\ndrivers = null\n' >"$trabalho/alsoft.conf"
export ALSOFT_CONF="$trabalho/alsoft.conf"
unset QT_QPA_PLATFORM

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$trabalho/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$trabalho/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$trabalho/display")"

janela() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
  [[ -n "$id" ]] || { echo "janela '$1' não apareceu" >&2; exit 1; }
  echo "$id"
}
tecla() { xdotool windowfocus --sync "$1"; xdotool key --clearmodifiers "$2"; }
foto() { import -window "$1" "$saida/$2.png"; echo "$saida/$2.png"; }

(cd "$trabalho" && exec ./qelp) &
pids+=($!)
tecla "$(janela '^QELP$')" alt+n
principal=$(janela '^QELP - Tarvelo 1\.0$')
sleep 2
foto "$principal" abertura

# A match of phase 1 with the Pescador beside Mãe Natureza, a while after
# the first polluters came.
tecla "$principal" F2
dialogo=$(janela '^Iniciar Partida$')
sleep 0.5
tecla "$dialogo" alt+i
sleep 0.5
tecla "$(janela '^QELP$')" space
sleep 47
foto "$principal" partida

tecla "$principal" F1
ajuda=$(janela '^QELP - Ajuda$')
sleep 2
foto "$ajuda" ajuda
