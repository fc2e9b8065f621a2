#!/usr/bin/env bash
# End to end: the game left running a whole shipped phase (phase 3, five
# minutes of match) on a fast clock (a 10 ms step: the phase takes about 25 s)
# under its own Xvfb. Its resident memory may not grow by more than a few MB
# after the first minute of match.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: memoria.sh RUN_DIR}

prepara_execucao "$run"
printf '10\n70\ndp/fase3.txt\n' >"$trabalho/dp/apl.cnf"
som_mudo
inicia_xvfb
inicia_qelp_sem_tutor
principal=$(janela '^QELP - Tarvelo 1\.0$')
xdotool windowfocus --sync "$principal"
xdotool key F2
iniciar=$(janela '^Iniciar Partida$')
sleep 0.5
xdotool windowfocus --sync "$iniciar"
xdotool key --clearmodifiers alt+i
tecla_ate_sumir "$(janela '^QELP$')" space

residente() { awk '/^VmRSS:/ {print $2}' "/proc/$pid_qelp/status"; }
# A minute of match is 60 × 10 / 130 ≈ 4.6 s on this clock; wait a little more.
sleep 8
antes=$(residente)
# The rest of the phase (its end comes 300 s × 10/130 ≈ 23 s after the start).
maior=$antes
for _ in $(seq 22); do
  sleep 1
  agora=$(residente)
  ((agora > maior)) && maior=$agora
done
echo "memória residente: ${antes} kB depois do primeiro minuto, no máximo ${maior} kB até o fim"
((maior - antes < 5120)) || falha "a memória cresceu $(((maior - antes) / 1024)) MB durante a partida"
fecha_com_f12
echo "ok: memória estável durante a fase 3 inteira"
