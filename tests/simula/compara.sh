#!/usr/bin/env bash
# simula's output for the table in casos.txt, compared byte for byte with
# the outputs recorded in referencia/ (standard output and standard error).
#   compara.sh RUN_DIR            compare
#   compara.sh RUN_DIR --grava    record anew (only when a rule of the game changed)
set -euo pipefail
run=${1:?usage: compara.sh RUN_DIR [--grava]}
grava=${2:-}
dados=$(cd "$(dirname "$0")" && pwd)
cd "$run"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

falhas=0
while read -r nome opcoes; do
  [[ -z "$nome" || "$nome" == \#* ]] && continue
  # shellcheck disable=SC2086
  ./simula ${opcoes//DADOS/$dados} >"$tmp/$nome.csv" 2>"$tmp/$nome.err" || {
    echo "FALHA: $nome terminou com $?" >&2; falhas=$((falhas + 1)); continue; }
  if [[ "$grava" == --grava ]]; then
    cp "$tmp/$nome.csv" "$tmp/$nome.err" "$dados/referencia/"
    continue
  fi
  for saida in csv err; do
    if ! cmp -s "$tmp/$nome.$saida" "$dados/referencia/$nome.$saida"; then
      echo "FALHA: $nome.$saida difere do registrado:" >&2
      diff "$dados/referencia/$nome.$saida" "$tmp/$nome.$saida" | head -n 6 >&2 || true
      falhas=$((falhas + 1))
    fi
  done
done <"$dados/casos.txt"
((falhas == 0)) || exit 1
echo "ok: simula igual ao registrado"
