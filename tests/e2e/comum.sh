# Shared by the end-to-end tests: a copy of the run directory, a private
# Xvfb, and finding windows and pressing keys with xdotool. Sourced.
set -euo pipefail

trabalho=$(mktemp -d)
pid_xvfb=""
pid_qelp=""
encerra() {
  [[ -n "$pid_qelp" ]] && kill "$pid_qelp" 2>/dev/null || true
  [[ -n "$pid_xvfb" ]] && kill "$pid_xvfb" 2>/dev/null || true
  rm -rf "$trabalho"
}
trap encerra EXIT
falha() { echo "FALHA: $*" >&2; exit 1; }

# Copies the run directory; the suggested phase is an empty file that exists,
# so that start-up shows no phase message.
prepara_execucao() {
  cp -r "$1"/. "$trabalho"/
  printf '130\n70\nvazia.fase\n' >"$trabalho/dp/apl.cnf"
  : >"$trabalho/vazia.fase"
}

# The game's sounds go to OpenAL's silent device.
som_mudo() {
  printf '[general]\ndrivers = null\n' >"$trabalho/alsoft.conf"
  export ALSOFT_CONF="$trabalho/alsoft.conf"
}

inicia_xvfb() {
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$trabalho/display" 2>/dev/null &
  pid_xvfb=$!
  for _ in $(seq 100); do [[ -s "$trabalho/display" ]] && break; sleep 0.1; done
  [[ -s "$trabalho/display" ]] || falha "Xvfb não iniciou"
  export DISPLAY=":$(cat "$trabalho/display")"
  unset QT_QPA_PLATFORM
}

# A visible window whose title matches the regular expression $1, within 20 s.
janela() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
  [[ -n "$id" ]] || falha "janela '$1' não apareceu"
  echo "$id"
}

# Presses a key in a window until it disappears.
tecla_ate_sumir() {
  local id=$1 tecla=$2
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$tecla" 2>/dev/null || true
    sleep 0.5
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$id" || return 0
  done
  falha "a janela $id não respondeu à tecla $tecla"
}

# Starts the game in the copy and answers the tutor question with No.
inicia_qelp_sem_tutor() {
  (cd "$trabalho" && exec ./qelp) &
  pid_qelp=$!
  tecla_ate_sumir "$(janela '^QELP$')" alt+n
}

# Closes the main window with F12 and checks that the game ends with code 0.
fecha_com_f12() {
  local principal codigo
  principal=$(janela '^QELP - Tarvelo 1\.0$')
  xdotool windowfocus --sync "$principal"
  xdotool key F12
  for _ in $(seq 100); do
    kill -0 "$pid_qelp" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid_qelp" 2>/dev/null && falha "qelp não terminou depois de F12"
  set +e
  wait "$pid_qelp"
  codigo=$?
  set -e
  pid_qelp=""
  [[ $codigo -eq 0 ]] || falha "qelp terminou com código $codigo"
}

# For tests that photograph the screen: $fotos is the folder, $principal the
# game's main window.
foto() { import -window root "$fotos/$1.png"; }
foco() { xdotool windowfocus --sync "$principal"; }

# Pixels that differ in the 3D view (the top three quarters of the main
# window, below its menu bar) between two screenshots.
diferenca_vista() {
  eval "$(xdotool getwindowgeometry --shell "$principal")"
  compare -metric AE -crop "${WIDTH}x$((HEIGHT * 3 / 4 - 30))+${X}+$((Y + 30))" \
    "$fotos/$1.png" "$fotos/$2.png" null: 2>&1 || true
}

# Waits up to 5 s for the window whose title matches $1 to go.
sumiu() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  falha "a janela '$1' não fechou"
}
