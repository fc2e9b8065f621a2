#!/usr/bin/env bash
# End to end: starts the built game in a copy of the run directory under a
# private Xvfb (with a silent sound device), answers the tutor question with
# No, finds the main window by its title, closes it with F12 and checks that
# the game ends with code 0.
source "$(dirname "$0")/comum.sh"
run=${1:?usage: fecha_com_f12.sh RUN_DIR}

prepara_execucao "$run"
som_mudo
inicia_xvfb
inicia_qelp_sem_tutor
fecha_com_f12
echo "ok: qelp terminou com código 0"
