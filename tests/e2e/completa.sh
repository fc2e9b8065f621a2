#!/usr/bin/env bash
# End to end: a whole match as a pupil plays it, watched by the teacher's
# console as the tutor on 127.0.0.1. The game starts with the tutor and the
# pupil's name, which the console logs with each match's phase and end; each
# shipped phase starts and its lake moves; tools of both characters reach
# the tutor as terms; a message from the tutor shows in the Conversa window;
# pause stills the lake; a shortened phase brings a polluter and ends the
# match by its end event, and its debrief opens; "Configurar" writes
# apl.cnf; the help viewer and the About box open; F12 ends the game and the
# tutor sees the pupil leave. Screenshots go to the build tree's
# e2e/completa/.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: completa.sh RUN_DIR SCREENSHOT_DIR}
fotos=${2:?usage: completa.sh RUN_DIR SCREENSHOT_DIR}
mkdir -p "$fotos"

prepara_execucao "$run"
printf '2 11\n4 7\n12 1\n\nPetróleo, lancha e o fim aos 12 s.\n' >"$trabalho/curta.fase"
som_mudo
inicia_xvfb
export XDG_DATA_HOME="$trabalho/dados"  # where the game keeps the pupil's name

# The tutor: the console on a free port of the loopback address, out of the
# way of the game's window.
pid_professor=""
trap 'kill "$pid_professor" 2>/dev/null || true; encerra' EXIT
for _ in $(seq 10); do
  porta=$((20000 + RANDOM % 30000))
  (cd "$trabalho" && exec ./professor --endereco 127.0.0.1 --porta "$porta" --pasta "$trabalho/turmas") 2>/dev/null &
  pid_professor=$!
  sleep 1
  kill -0 "$pid_professor" 2>/dev/null && break
done
professor=$(janela '^QELP - Professor$')
xdotool windowmove "$professor" 1400 0
registro() { cat "$trabalho"/turmas/*.csv 2>/dev/null; }

# Start-up with the tutor: Yes, the host, the port.
(cd "$trabalho" && exec ./qelp) &
pid_qelp=$!
tecla_ate_sumir "$(janela '^QELP$')" alt+s
# A text dialog answered: its text replaced by $2.
responde() {
  local dialogo
  dialogo=$(janela "$1")
  sleep 0.3
  xdotool windowfocus --sync "$dialogo"
  xdotool key --clearmodifiers ctrl+a
  xdotool type "$2"
  tecla_ate_sumir "$dialogo" Return
}
responde '^Configura Comunicação com Tutor$' 127.0.0.1
responde '^Número da Porta$' "$porta"
responde '^Nome do Aluno$' "Ana Júlia"
principal=$(janela '^QELP - Tarvelo 1\.0$')
conversa=$(janela '^QELP - Conversa$')
for _ in $(seq 50); do registro | grep -q ';Ana Júlia;.*;aluno;' && break; sleep 0.1; done
registro | grep -q ';entrada;' || falha "o tutor não viu o aluno chegar"
registro | grep -q ';Ana Júlia;.*;aluno;' || falha "o tutor não soube o nome do aluno: $(registro)"

eval "$(xdotool getwindowgeometry --shell "$principal")"
janelaX=$X janelaY=$Y largura=$WIDTH
cliente=$((HEIGHT - 20))  # below the menu bar
# The mean colour "R G B" (0..255) of a box of the client area given in
# fractions of it (left, top, width, height).
cor_media() {
  local x=$((janelaX + largura * $2 / 100)) y=$((janelaY + 20 + cliente * $3 / 100))
  convert "$fotos/$1.png" -crop "$((largura * $4 / 100))x$((cliente * $5 / 100))+${x}+${y}" -resize 1x1\! \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
clica() {  # a point of the client area, in fractions (per cent)
  foco
  xdotool mousemove $((janelaX + largura * $1 / 100)) $((janelaY + 20 + cliente * $2 / 100)) click 1
}

# A match with the phase given: F2, the phase typed in the dialog, the
# colleague by Space.
inicia_partida() {
  foco
  xdotool key F2
  local dialogo
  dialogo=$(janela '^Iniciar Partida$')
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$dialogo")"
  xdotool mousemove $((X + WIDTH * 63 / 100)) $((Y + HEIGHT * 81 / 100)) click --repeat 3 1
  xdotool key --clearmodifiers ctrl+a
  xdotool type "$1"
  xdotool key --clearmodifiers alt+i
  sumiu '^Iniciar Partida$'
  tecla_ate_sumir "$(janela '^QELP$')" space
}
termina_pelo_menu() { foco; xdotool key alt+j; sleep 0.5; xdotool key t; sleep 1; }

# 1. Each shipped phase starts and its lake moves; the panel shows.
for fase in fase1 fase2 fase3; do
  inicia_partida "dp/$fase.txt"
  sleep 2
  foto "$fase-1"
  sleep 1
  foto "$fase-2"
  movidos=$(diferenca_vista "$fase-1" "$fase-2")
  ((movidos > 500)) || falha "$fase: o lago não se mexe ($movidos pixels mudaram)"
  read -r r g b <<<"$(cor_media "$fase-1" 40 30 20 10)"
  ((b > r)) || falha "$fase: o meio do lago não é água ($r $g $b)"
  read -r r g b <<<"$(cor_media "$fase-1" 45 80 10 4)"
  ((r > b + 40 && r > 120)) || falha "$fase: o painel de madeira não aparece ($r $g $b)"
  termina_pelo_menu
done

# 2. Tools of both characters reach the tutor as terms.
inicia_partida dp/fase1.txt
sleep 1
clica 20 96   # Mãe Natureza's first tool, "Abrir sol"
sleep 0.5
clica 58 96   # the Pescador's first tool
for _ in $(seq 50); do registro | grep -q ';acao;[0-9]*;e5;' && break; sleep 0.1; done
registro | grep -q ';acao;[0-9]*;e1;Abrir sol (Mãe Natureza)' || falha "o tutor não recebeu e1: $(registro)"
registro | grep -q ';acao;[0-9]*;e5;' || falha "o tutor não recebeu e5: $(registro)"

# 3. A message from the tutor shows in the pupil's Conversa window.
import -window "$conversa" "$fotos/conversa-antes.png"
xdotool windowmove "$professor" 0 0
xdotool windowfocus --sync "$professor"
xdotool key --clearmodifiers ctrl+Return  # nothing typed: nothing sent
xdotool key --clearmodifiers alt+m
xdotool type "Muito bem! Agora cuide da agua."
xdotool key --clearmodifiers ctrl+Return
xdotool windowmove "$professor" 1400 0
sleep 2
import -window "$conversa" "$fotos/conversa-depois.png"
escrito=$(compare -metric AE "$fotos/conversa-antes.png" "$fotos/conversa-depois.png" null: 2>&1 || true)
((escrito > 50)) || falha "a mensagem do tutor não apareceu na Conversa ($escrito pixels)"
registro | grep -q ';mensagem;' || falha "a mensagem não está no registro da turma"

# 4. F3 stills the lake; F3 again and it moves.
foco
xdotool key F3
sleep 1
foto pausa-1
sleep 1
foto pausa-2
(($(diferenca_vista pausa-1 pausa-2) == 0)) || falha "a pausa não parou o lago"
foco
xdotool key F3
sleep 1
foto volta-1
sleep 1
foto volta-2
(($(diferenca_vista volta-1 volta-2) > 500)) || falha "o lago não voltou a se mexer depois da pausa"
termina_pelo_menu

# 5. The shortened phase: the petrol leak at 2 s, the motor boat at 4 s, the
# end by its own event at 12 s: the end sign in the middle, the lake still.
inicia_partida curta.fase
sleep 1
foto curta-antes
sleep 14
# The debrief opens beside the game, names the polluters that came, and
# closes with Esc.
resumo=$(janela '^QELP - Resumo da Partida$')
sleep 1
import -window "$resumo" "$fotos/resumo.png"
eval "$(xdotool getwindowgeometry --shell "$resumo")"
((WIDTH >= 500 && HEIGHT >= 400)) || falha "o resumo é pequeno demais (${WIDTH}x$HEIGHT)"
read -r r g b <<<"$(convert "$fotos/resumo.png" -crop "$((WIDTH / 2))x$((HEIGHT / 4))+$((WIDTH / 4))+$((HEIGHT / 6))" \
  -resize 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)"
((r > 150 && g > 150)) || falha "o gráfico do resumo não aparece ($r $g $b)"
tecla_ate_sumir "$resumo" Escape
foto curta-fim-1
sleep 1
foto curta-fim-2
(($(diferenca_vista curta-fim-1 curta-fim-2) == 0)) || falha "o lago se mexe depois do fim da fase"
# Between the sign's two lines of text: its cream ground, where water was.
read -r r g b <<<"$(cor_media curta-fim-1 35 37 30 2)"
((r > 200 && g > 200 && r >= b)) || falha "a placa de fim não aparece no meio do lago ($r $g $b)"
chegaram=$(compare -metric AE -crop "${largura}x$((cliente / 4))+${janelaX}+$((janelaY + 20))" \
  "$fotos/curta-antes.png" "$fotos/curta-fim-1.png" null: 2>&1 || true)
((chegaram > 500)) || falha "nenhum poluidor chegou à superfície"

# 6. "Configurar": the big size and the shortened phase written to apl.cnf.
foco
xdotool key alt+j
sleep 0.5
xdotool key c
configurar=$(janela '^Configurar$')
sleep 0.5
xdotool windowfocus --sync "$configurar"
xdotool key --clearmodifiers ctrl+a
xdotool type curta.fase
xdotool key --clearmodifiers alt+g
tecla_ate_sumir "$configurar" alt+f
for _ in $(seq 50); do [[ $(cat "$trabalho/dp/apl.cnf") == $'130\n90\ncurta.fase' ]] && break; sleep 0.1; done
[[ $(cat "$trabalho/dp/apl.cnf") == $'130\n90\ncurta.fase' ]] || falha "apl.cnf: $(cat "$trabalho/dp/apl.cnf")"

# 7. The help viewer and the About box.
foco
xdotool key F1
tecla_ate_sumir "$(janela '^QELP - Ajuda$')" Escape
foco
xdotool key alt+a
sleep 0.5
xdotool key s
tecla_ate_sumir "$(janela '^Sobre$')" Escape

# 8. F12 ends the game; the tutor sees the pupil leave.
fecha_com_f12
for _ in $(seq 50); do registro | grep -q ';saida;' && break; sleep 0.1; done
registro | grep -q ';saida;' || falha "o tutor não viu o aluno sair"
# The console knew each match's phase and how the shortened one ended.
registro | grep -q ';inicio;[0-9]*;;começou a partida da fase curta.fase;curta.fase;' ||
  falha "o tutor não soube da partida curta: $(registro)"
registro | grep -Eq ';fim;-?[0-9]+;(verde|amarelo|vermelho);terminou a partida' ||
  falha "o tutor não soube como a partida terminou: $(registro)"
echo "ok: uma partida inteira com o tutor"
