#!/usr/bin/env bash
# End to end: the sounds through the real audio output. With OpenAL writing
# its mix to a file, the opening jingle must be heard; without any sound
# device the game says so once and plays on.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: som.sh RUN_DIR}

prepara_execucao "$run"
inicia_xvfb

# 1. A device that writes what it plays into a wave file.
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$trabalho/mistura.wav" >"$trabalho/alsoft.conf"
export ALSOFT_CONF="$trabalho/alsoft.conf"
inicia_qelp_sem_tutor
janela '^QELP - Tarvelo 1\.0$' >/dev/null
sleep 3
fecha_com_f12
pico=$(sox "$trabalho/mistura.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
[[ -n "$pico" ]] || falha "a mistura não foi gravada"
awk -v p="$pico" 'BEGIN { exit !(p > 0.2) }' || falha "a abertura não se ouviu (pico $pico)"

# 2. No sound device at all: one message, and the game goes on.
export ALSOFT_DRIVERS=nenhum
unset ALSOFT_CONF
inicia_qelp_sem_tutor
aviso=$(janela '^Aviso$')
tecla_ate_sumir "$aviso" Return
fecha_com_f12
echo "ok: som (pico da abertura $pico)"
