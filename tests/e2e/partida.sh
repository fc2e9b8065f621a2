#!/usr/bin/env bash
# End to end: a match played from the keyboard only. F2 and its two dialogs
# start the lake, F2 during the match only warns, F3 stills the lake and
# resumes it, "Jogo > Terminar" stills it for good, a second match starts,
# "Configurar" writes the big size to apl.cnf, "Sobre" opens and closes, and
# F12 ends the game with code 0. Screenshots go to the build tree's e2e/.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: partida.sh RUN_DIR SCREENSHOT_DIR}
fotos=${2:?usage: partida.sh RUN_DIR SCREENSHOT_DIR}
mkdir -p "$fotos"

prepara_execucao "$run"
printf '130\n70\npartida.fase\n' >"$trabalho/dp/apl.cnf"
printf '2 8\n600 1\n' >"$trabalho/partida.fase"
som_mudo
inicia_xvfb
inicia_qelp_sem_tutor
principal=$(janela '^QELP - Tarvelo 1\.0$')

# A dialog appears, is photographed, and the keys are pressed in it.
no_dialogo() {
  local titulo=$1 nome=$2
  shift 2
  local id
  id=$(janela "$titulo")
  sleep 0.5
  foto "$nome"
  xdotool windowfocus --sync "$id"
  for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.3; done
}

# 1. F2: Pescador with Alt+S, Enter; the colleague by Space on the first button.
foto abertura
foco
xdotool key F2
no_dialogo '^Iniciar Partida$' iniciar-partida alt+s Return
sumiu '^Iniciar Partida$'
no_dialogo '^QELP$' colega space
sumiu '^QELP$'
sleep 3
foto lago-1
sleep 1
foto lago-2
movidos=$(diferenca_vista lago-1 lago-2)
((movidos > 500)) || falha "o lago não se mexe ($movidos pixels mudaram)"

# 2. F2 during the match: the box, closed with Enter; the match goes on.
foco
xdotool key F2
no_dialogo '^Aviso$' aviso-terminar Return
sumiu '^Aviso$'

# 3. F3 stills the lake; F3 again resumes it.
foco
xdotool key F3
sleep 1
foto pausa-1
sleep 1
foto pausa-2
parados=$(diferenca_vista pausa-1 pausa-2)
((parados == 0)) || falha "a pausa não parou o lago ($parados pixels mudaram)"
foco
xdotool key F3
sleep 1
foto volta-1
sleep 1
foto volta-2
((  $(diferenca_vista volta-1 volta-2) > 500 )) || falha "o lago não voltou a se mexer"

# 4. Jogo > Terminar: the end sign, the lake still for good.
foco
xdotool key alt+j
sleep 0.5
foto menu-jogo
xdotool key t
sleep 1
foto fim-1
sleep 1
foto fim-2
((  $(diferenca_vista fim-1 fim-2) == 0 )) || falha "o lago se mexe depois de terminar"

# 5. A second match, started with Enter at once.
foco
xdotool key F2
no_dialogo '^Iniciar Partida$' iniciar-de-novo Return
no_dialogo '^QELP$' colega-de-novo space
sumiu '^QELP$'
sleep 2
foto segunda-1
sleep 1
foto segunda-2
((  $(diferenca_vista segunda-1 segunda-2) > 500 )) || falha "a segunda partida não anda"

# 6. Configurar > Grande > Fechar writes 90.
foco
xdotool key alt+j
sleep 0.5
xdotool key c
no_dialogo '^Configurar$' configurar alt+g
sleep 0.5
foto configurar-grande
xdotool key --clearmodifiers Return
sumiu '^Configurar$'
[[ $(cat "$trabalho/dp/apl.cnf") == $'130\n90\npartida.fase' ]] || falha "apl.cnf: $(cat "$trabalho/dp/apl.cnf")"

# 7. Sobre opens and closes with Esc.
foco
xdotool key alt+a
sleep 0.5
xdotool key s
no_dialogo '^Sobre$' sobre Escape
sumiu '^Sobre$'

# 8. F12 ends the game with code 0.
fecha_com_f12
echo "ok: partida pelo teclado"
