#!/usr/bin/env bash
# End to end: the game installed into a temporary prefix and started, as a
# pupil would, from an empty home with the XDG folders inside the test's
# folder. Its data folder is filled from the installed data; "Configurar"
# writes apl.cnf there and never in the prefix; F1 finds the help viewer
# beside the installed game; a match starts; a second start keeps the
# apl.cnf a teacher edited and adds back a file that went missing.
source "$(dirname "$0")/comum.sh"
build=${1:?usage: instala.sh BUILD_DIR SOURCE_DIR}
fonte=${2:?usage: instala.sh BUILD_DIR SOURCE_DIR}

prefixo="$trabalho/prefixo"
cmake --install "$build" --prefix "$prefixo" >/dev/null || falha "cmake --install"
for comando in qelp qelp-ajuda qelp-editor qelp-simula; do
  [[ -x "$prefixo/bin/$comando" ]] || falha "bin/$comando não foi instalado"
done
[[ -f "$prefixo/share/applications/qelp.desktop" ]] || falha "entrada do menu"
[[ -f "$prefixo/share/icons/hicolor/48x48/apps/qelp.png" ]] || falha "ícone"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate --no-hints "$prefixo"/share/applications/*.desktop || falha "desktop-file-validate"
fi
chmod -R a-w "$prefixo"  # as for a pupil: the installed files are not the pupil's

export HOME="$trabalho/casa" XDG_DATA_HOME="$trabalho/casa/dados" XDG_CONFIG_HOME="$trabalho/casa/config"
mkdir -p "$HOME"
pasta="$XDG_DATA_HOME/qelp"
som_mudo
inicia_xvfb

inicia_instalado() {
  (cd "$HOME" && exec "$prefixo/bin/qelp") &
  pid_qelp=$!
  tecla_ate_sumir "$(janela '^QELP$')" alt+n
  principal=$(janela '^QELP - Tarvelo 1\.0$')
}
no_principal() { xdotool windowfocus --sync "$principal"; xdotool key --clearmodifiers "$@"; }

# First start: the data folder is filled.
inicia_instalado
cmp -s "$fonte/dp/valores.txt" "$pasta/dp/valores.txt" || falha "dp/ não foi copiado para $pasta"
[[ $(find "$fonte/dp" -type f | wc -l) -eq $(find "$pasta/dp" -type f | wc -l) ]] || falha "faltam arquivos em $pasta/dp"

# "Configurar": another suggested phase, written in the user's folder only.
no_principal alt+j c
configurar=$(janela '^Configurar$')
sleep 0.5
xdotool windowfocus --sync "$configurar"
xdotool key --clearmodifiers ctrl+a
xdotool type "dp/fase2.txt"
tecla_ate_sumir "$configurar" alt+f
for _ in $(seq 50); do [[ $(sed -n 3p "$pasta/dp/apl.cnf") == "dp/fase2.txt" ]] && break; sleep 0.1; done
[[ $(sed -n 3p "$pasta/dp/apl.cnf") == "dp/fase2.txt" ]] || falha "apl.cnf do usuário: $(cat "$pasta/dp/apl.cnf")"
cmp -s "$fonte/dp/apl.cnf" "$prefixo/share/qelp/dp/apl.cnf" || falha "o apl.cnf instalado mudou"
[[ ! -e "$HOME/dp" && ! -e "$HOME/apl.cnf" ]] || falha "arquivos do jogo fora da pasta do usuário"

# F1: the help viewer, found beside the installed game.
no_principal F1
tecla_ate_sumir "$(janela '^QELP - Ajuda$')" Escape

# A match starts with the suggested phase.
no_principal F2
iniciar=$(janela '^Iniciar Partida$')
sleep 0.5
xdotool windowfocus --sync "$iniciar"
xdotool key --clearmodifiers alt+i
tecla_ate_sumir "$(janela '^QELP$')" space
fecha_com_f12

# Second start: the teacher's edit stays, a lost file comes back.
printf '200\n70\ndp/fase3.txt\n' >"$pasta/dp/apl.cnf"
rm "$pasta/dp/fase1.txt"
inicia_instalado
fecha_com_f12
[[ $(cat "$pasta/dp/apl.cnf") == $'200\n70\ndp/fase3.txt' ]] || falha "o apl.cnf editado mudou: $(cat "$pasta/dp/apl.cnf")"
cmp -s "$fonte/dp/fase1.txt" "$pasta/dp/fase1.txt" || falha "fase1.txt não voltou"
chmod -R u+w "$prefixo"
echo "ok: o jogo instalado roda na pasta do usuário"
