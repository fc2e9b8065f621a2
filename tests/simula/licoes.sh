#!/usr/bin/env bash
# The shipped dp/ teaches what the game says it does, measured with simula:
#  - one use of any tool moves the eco-meter by 3 points or more within 10
#    steps (median over seeds 1-20 of the reading after step T+9 with the use
#    just before step T, minus the same seed without it; at T = 200 and 1000,
#    in a lake without a phase);
#  - each shipped phase, over its own length and seeds 1-100, ends as its
#    lesson says, left alone and with the care script.
#   licoes.sh RUN_DIR
set -euo pipefail
run=${1:?usage: licoes.sh RUN_DIR}
cd "$run"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }
pelo_menos() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# ---------------------------------------------------------------- tools
MEDIANA_MINIMA=3  # eco-meter points
personagens=("Mãe Natureza" "Pescador" "Prefeito" "Turista")
ferramentas=(
  "Abrir sol" "Colocar Aguapés" "Trocar o fundo do lago" "Acelerar degradação"
  "Não pescar em área proibida" "Recolher lixo das margens" "Pescar para se alimentar" "Pescar em época permitida"
  "Proibir poluição sonora" "Multa (campanha de conscientização)" "Colocar lixeiras" "Cobrar licença (filtro nas fábricas)"
  "Não nadar no lago" "Recolher lixo do chão" "Não levar lembrança do lago" "Fotografar")

# The final eco-meter reading of each seed, one a line.
finais() { ./simula --sementes 1-20 "$@" | awk -F, 'NR > 1 { print $3 }'; }

for T in 200 1000; do
  finais --passos $((T + 9)) >"$tmp/sem-uso"
  for c in 0 1 2 3; do
    for k in 0 1 2 3; do
      mediana=$(finais --passos $((T + 9)) --usa "$T,$c,$k" | paste -d' ' - "$tmp/sem-uso" |
        awk '{ print $1 - $2 }' | sort -g |
        awk '{ d[NR] = $1 } END { print (d[int((NR + 1) / 2)] + d[int(NR / 2) + 1]) / 2 }')
      pelo_menos "$mediana" "$MEDIANA_MINIMA" ||
        falha "${personagens[c]}, \"${ferramentas[c * 4 + k]}\": um uso no passo $T move o ecômetro" \
              "$mediana pontos (mediana), menos de $MEDIANA_MINIMA"
    done
  done
done

# ---------------------------------------------------------------- phases
# Out of 100 seeds: left alone at least this many red; with care at least
# this many green and at most this many red.
limites="\
fase1  80  90  100
fase2  80  80  100
fase3  80  40   10"

# "verde amarelo vermelho": how many of seeds 1-100 end in each colour.
cores() {
  ./simula --sementes 1-100 "$@" |
    awk -F, 'NR > 1 { n[$4]++ } END { print n["verde"] + 0, n["amarelo"] + 0, n["vermelho"] + 0 }'
}

while read -r fase sozinho_vermelho cuidado_verde cuidado_vermelho; do
  arquivo=dp/$fase.txt
  grep -qE '^[[:space:]]*[0-9]+[[:space:]]+1[[:space:]]*$' "$arquivo" || { falha "$arquivo não tem fim da partida"; continue; }
  # Without --passos, simula runs the phase's own length.
  read -r _ _ vermelho <<<"$(cores --fase "$arquivo")"
  ((vermelho >= sozinho_vermelho)) ||
    falha "$fase sozinha: $vermelho de 100 terminam no vermelho, menos de $sozinho_vermelho"
  read -r verde _ vermelho <<<"$(cores --fase "$arquivo" --cuidado)"
  ((verde >= cuidado_verde)) ||
    falha "$fase com cuidado: $verde de 100 terminam no verde, menos de $cuidado_verde"
  ((vermelho <= cuidado_vermelho)) ||
    falha "$fase com cuidado: $vermelho de 100 terminam no vermelho, mais de $cuidado_vermelho"
done <<<"$limites"

((falhas == 0)) || exit 1
echo "ok: as ferramentas e as fases ensinam o que prometem"
