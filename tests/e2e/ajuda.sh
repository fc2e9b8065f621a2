#!/usr/bin/env bash
# End to end: the help viewer started on its own and from the game. A
# picture button opens its topic, Esc closes it, Esc ends the viewer; the
# game's F1 starts one viewer however often it is pressed.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: ajuda.sh RUN_DIR}

prepara_execucao "$run"
som_mudo
inicia_xvfb

quantas() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

# 1. On its own.
(cd "$trabalho" && exec ./ajuda) &
pid_ajuda=$!
principal=$(janela '^QELP - Ajuda$')
eval "$(xdotool getwindowgeometry --shell "$principal")"
xdotool mousemove $((X + 80)) $((Y + 100)) click 1   # the first button: Peixe
topico=$(janela '^QELP - Ajuda - Peixe$')
tecla_ate_sumir "$topico" Escape
[[ $(quantas '^QELP - Ajuda$') -eq 1 ]] || falha "a janela principal sumiu"
tecla_ate_sumir "$principal" Escape
for _ in $(seq 50); do kill -0 "$pid_ajuda" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid_ajuda" 2>/dev/null && falha "ajuda não terminou com Esc"
wait "$pid_ajuda" || falha "ajuda terminou com erro"

# 2. From the game: F1 twice, one viewer.
inicia_qelp_sem_tutor
jogo=$(janela '^QELP - Tarvelo 1\.0$')
xdotool windowfocus --sync "$jogo"
xdotool key F1
janela '^QELP - Ajuda$' >/dev/null
xdotool windowfocus --sync "$jogo"
xdotool key F1
sleep 1
[[ $(quantas '^QELP - Ajuda$') -eq 1 ]] || falha "F1 abriu mais de uma ajuda"
tecla_ate_sumir "$(janela '^QELP - Ajuda$')" Escape
fecha_com_f12
echo "ok: ajuda"
