#!/usr/bin/env bash
# End to end: the simula command's interface, run from the run directory.
set -euo pipefail
run=${1:?usage: simula.sh RUN_DIR}
cd "$run"
falha() { echo "FALHA: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cabecalho="passo,n_gordo,n_azul,n_listrado,n_alga,n_micro,e_gordo,e_azul,e_listrado,e_alga,e_micro,e_lago,e_agua,seres,ecometro,cor,eventos"

# Rows at step 0 and every K-th step; the header exactly.
./simula --passos 10 --cada 5 >"$tmp/a.csv"
[[ $(head -n 1 "$tmp/a.csv") == "$cabecalho" ]] || falha "cabeçalho: $(head -n 1 "$tmp/a.csv")"
[[ $(cut -d, -f1 "$tmp/a.csv" | tail -n +2 | tr '\n' ' ') == "0 5 10 " ]] || falha "linhas de passo"
[[ $(awk -F, 'NR>1 && NF!=17' "$tmp/a.csv" | wc -l) -eq 0 ]] || falha "colunas"
grep -qE '^0,3,6,8,4,16,[0-9]+\.[0-9]{2},' "$tmp/a.csv" || falha "população inicial do valores.txt"

# The same seed gives the same match; another seed another one.
./simula --passos 50 --cada 25 >"$tmp/b.csv"
./simula --passos 50 --cada 25 >"$tmp/c.csv"
./simula --passos 50 --cada 25 --semente 2 >"$tmp/d.csv"
cmp -s "$tmp/b.csv" "$tmp/c.csv" || falha "a mesma semente deu partidas diferentes"
! cmp -s "$tmp/b.csv" "$tmp/d.csv" || falha "sementes diferentes deram a mesma partida"

# Tools: used, then refused when no use is left (Mãe Natureza's tool 2 has 2).
./simula --passos 3 --usa 1,0,2 --usa 2,0,2 --usa 3,0,2 >"$tmp/e.csv"
[[ $(cut -d, -f17 "$tmp/e.csv" | tail -n +3 | tr '\n' '|') == "ferramenta 0 2|ferramenta 0 2|recusada 0 2|" ]] \
  || falha "ferramentas: $(cut -d, -f17 "$tmp/e.csv" | tr '\n' '|')"

# A match that cannot start: exit code 1 and the game's message.
set +e
./simula --valores "$tmp/nao-existe.txt" >/dev/null 2>"$tmp/erro"
codigo=$?
set -e
[[ $codigo -eq 1 ]] || falha "valores faltando terminou com $codigo"
grep -qx "Arquivo com parametros não encontrado" "$tmp/erro" || falha "mensagem: $(cat "$tmp/erro")"

grep -v NUM_INI_AZUL dp/valores.txt >"$tmp/sem-azul.txt"
set +e
./simula --valores "$tmp/sem-azul.txt" >/dev/null 2>"$tmp/erro"
codigo=$?
set -e
[[ $codigo -eq 1 && $(cat "$tmp/erro") == "NUM_INI_AZUL" ]] || falha "chave faltando: $codigo $(cat "$tmp/erro")"

# A phase on the game's clock: events named as they run, the end stops the run.
printf '10 0\n20 11\n25 12\n30 1\n' >"$tmp/fase.txt"
./simula --fase "$tmp/fase.txt" --passos 5000 --cada 1000 >"$tmp/f.csv" 2>"$tmp/erro"
eventos=$(cut -d, -f17 "$tmp/f.csv" | tail -n +2 | tr '\n' '|')
[[ "$eventos" == "|interventor 8;interventor 9;fim|" ]] || falha "eventos da fase: $eventos"
# 30 s at 130 ms: the end comes at 30000 ms, before step 231.
[[ $(tail -n 1 "$tmp/f.csv" | cut -d, -f1) == 230 ]] || falha "fim no passo $(tail -n 1 "$tmp/f.csv" | cut -d, -f1)"
grep -qx "Interventor com esse numero nao existe. (CApl::mExecEventosFase)" "$tmp/erro" \
  || falha "aviso do interventor inexistente: $(cat "$tmp/erro")"
# A slower step stretches the phase: 30 s at 260 ms is still step 230 of the match.
./simula --fase "$tmp/fase.txt" --passos 5000 --cada 1000 --periodo 260 >"$tmp/g.csv" 2>/dev/null
[[ $(tail -n 1 "$tmp/g.csv" | cut -d, -f1) == 230 ]] || falha "fim a 260 ms no passo $(tail -n 1 "$tmp/g.csv" | cut -d, -f1)"

set +e
./simula --fase "$tmp/nao-existe.fase" >/dev/null 2>"$tmp/erro"
codigo=$?
set -e
[[ $codigo -eq 1 ]] || falha "fase faltando terminou com $codigo"
[[ $(cat "$tmp/erro") == $'Arquivo de fase não encontrado\n'"$tmp/nao-existe.fase" ]] || falha "mensagens da fase: $(cat "$tmp/erro")"

# Many seeds: one row a seed, in seed order, each the last row of that seed's
# own run (with the care script too).
printf '5 11\n12 3\n40 1\n' >"$tmp/curta.txt"
for cuidado in "" "--cuidado"; do
  # shellcheck disable=SC2086
  ./simula --sementes 3-7 --fase "$tmp/curta.txt" --passos 400 $cuidado >"$tmp/lote.csv"
  [[ $(head -n 1 "$tmp/lote.csv") == "semente,passos,ecometro_final,cor_final,ecometro_min,ecometro_medio,n_seres_final" ]] \
    || falha "cabeçalho do lote: $(head -n 1 "$tmp/lote.csv")"
  [[ $(cut -d, -f1 "$tmp/lote.csv" | tail -n +2 | tr '\n' ' ') == "3 4 5 6 7 " ]] || falha "sementes do lote"
  for k in 3 4 5 6 7; do
    # shellcheck disable=SC2086
    ./simula --semente $k --fase "$tmp/curta.txt" --passos 400 $cuidado >"$tmp/uma.csv"
    ultima=$(tail -n 1 "$tmp/uma.csv")
    esperado="$k,$(cut -d, -f1 <<<"$ultima"),$(cut -d, -f15,16 <<<"$ultima"),.*,$(cut -d, -f14 <<<"$ultima")"
    grep -qx -- "$esperado" "$tmp/lote.csv" || falha "semente $k $cuidado: lote $(grep "^$k," "$tmp/lote.csv") / simula $ultima"
  done
done
# The end event at 40 s stops every match at step 307.
[[ $(cut -d, -f2 "$tmp/lote.csv" | tail -n +2 | sort -u) == 307 ]] || falha "passos do lote"
# Without --passos a phase runs its own length, alone and in a batch; a
# missing phase says so once, not once a seed.
./simula --fase "$tmp/curta.txt" --cada 100 >"$tmp/propria.csv"
[[ $(tail -n 1 "$tmp/propria.csv" | cut -d, -f1) == 307 ]] || falha "fase sem --passos parou no passo $(tail -n 1 "$tmp/propria.csv" | cut -d, -f1)"
./simula --sementes 3-4 --fase "$tmp/curta.txt" --cuidado >"$tmp/propria.csv"
[[ $(cut -d, -f2 "$tmp/propria.csv" | tail -n +2 | sort -u) == 307 ]] || falha "lote sem --passos: $(cat "$tmp/propria.csv")"
set +e
./simula --sementes 1-5 --fase "$tmp/nao-existe.fase" >/dev/null 2>"$tmp/erro"
codigo=$?
set -e
[[ $codigo -eq 1 ]] || falha "lote com fase faltando terminou com $codigo"
[[ $(cat "$tmp/erro") == $'Arquivo de fase não encontrado\n'"$tmp/nao-existe.fase" ]] || falha "mensagens do lote: $(cat "$tmp/erro")"

# The care script spends its uses: it shows in the matches.
./simula --sementes 3-7 --fase "$tmp/curta.txt" --passos 400 >"$tmp/sozinho.csv"
! cmp -s "$tmp/lote.csv" "$tmp/sozinho.csv" || falha "--cuidado não mudou nada"

# The debrief: the three durations, the final colour, then three to six
# sentences; the polluters that came are named; a run the steps cut short
# ends as "Terminar" would.
./simula --resumo --fase "$tmp/curta.txt" --passos 400 --usa 100,0,0 >"$tmp/resumo.txt"
[[ $(head -n 4 "$tmp/resumo.txt" | cut -d: -f1 | tr '\n' ' ') == "verde amarelo vermelho cor final " ]] \
  || falha "resumo: $(head -n 4 "$tmp/resumo.txt")"
frases=$(tail -n +5 "$tmp/resumo.txt" | wc -l)
((frases >= 3 && frases <= 6)) || falha "resumo com $frases frases"
grep -q "vazamento de gasolina\|o lixo" "$tmp/resumo.txt" || falha "resumo sem os poluidores: $(cat "$tmp/resumo.txt")"
grep -qx "Você usou Abrir sol 1 vez: .*" "$tmp/resumo.txt" || falha "resumo sem a ferramenta"
# 307 steps of 130 ms: the durations add up to 0:40.
segundos=$(head -n 3 "$tmp/resumo.txt" | sed 's/.*: //' | awk -F: '{s += $1 * 60 + $2} END {print s}')
((segundos >= 39 && segundos <= 41)) || falha "durações somam $segundos s"
./simula --resumo --passos 50 >"$tmp/curto.txt"
grep -qx "Nenhum poluidor chegou ao lago." "$tmp/curto.txt" || falha "resumo sem fase: $(cat "$tmp/curto.txt")"

# Asked for, the usage goes to standard output.
./simula --help >"$tmp/uso" 2>"$tmp/erro" || falha "--help terminou com $?"
grep -q "^uso: simula" "$tmp/uso" && [[ ! -s "$tmp/erro" ]] || falha "--help: $(cat "$tmp/uso" "$tmp/erro")"

# Bad options: usage and exit code 2.
for opcoes in "--passos" "--passos dez" "--cada 0" "--usa 1,4,0" "--usa 1,0" "--vista 10" "--xyz 1" \
              "--sementes 5" "--sementes 7-3" "--sementes 1-2 --semente 3" "--sementes a-b" \
              "--sementes 1-2 --resumo"; do
  set +e
  # shellcheck disable=SC2086
  ./simula $opcoes >/dev/null 2>"$tmp/erro"
  codigo=$?
  set -e
  [[ $codigo -eq 2 ]] || falha "opção '$opcoes' terminou com $codigo"
  grep -q "^uso: simula" "$tmp/erro" || falha "opção '$opcoes' sem mensagem de uso"
done
echo "ok: simula"
