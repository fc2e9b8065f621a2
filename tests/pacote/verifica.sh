#!/usr/bin/env bash
# The package as Debian and the software centres check it: the .deb built
# as `make deb` builds it passes lintian with nothing above informational;
# the installed AppStream entries validate, the desktop entries too; every
# command has a manual page that man reads without a warning.
#   verifica.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: verifica.sh BUILD_DIR}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }

# The package, into a folder of its own.
(cd "$build" && cpack -G DEB -B "$tmp/pacote" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log" >&2; falha "cpack"; exit 1; }
deb=$(ls "$tmp"/pacote/qelp_*.deb)
lintian --tag-display-limit 0 "$deb" 2>/dev/null >"$tmp/lintian" || true
if grep -E '^[EW]: ' "$tmp/lintian" >&2; then falha "lintian: erros ou avisos acima"; fi

# What it installs.
dpkg-deb -x "$deb" "$tmp/raiz"
raiz=$tmp/raiz/usr
[[ $(dpkg-deb -f "$deb" Section) == education ]] || falha "seção $(dpkg-deb -f "$deb" Section)"
for metainfo in "$raiz"/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" >"$tmp/as" 2>&1 || { cat "$tmp/as" >&2; falha "appstreamcli: $metainfo"; }
done
[[ -f $raiz/share/metainfo/br.org.qelp.Qelp.metainfo.xml ]] || falha "sem a entrada AppStream do jogo"
desktop-file-validate "$raiz"/share/applications/*.desktop || falha "desktop-file-validate"
for comando in "$raiz"/bin/*; do
  nome=$(basename "$comando")
  pagina=$raiz/share/man/man1/$nome.1.gz
  [[ -f $pagina ]] || { falha "$nome sem página de manual"; continue; }
  texto=$(MANWIDTH=80 man --warnings -l -Tutf8 "$pagina" 2>"$tmp/avisos") || falha "man -l $nome"
  [[ ! -s $tmp/avisos ]] || { cat "$tmp/avisos" >&2; falha "man avisa sobre $nome"; }
  for secao in NOME SINOPSE DESCRIÇÃO OPÇÕES ARQUIVOS EXEMPLO; do
    grep -q "^$secao" <<<"$(sed 's/.\x08//g' <<<"$texto")" || falha "$nome: a página não tem $secao"
  done
done
((falhas == 0)) || exit 1
echo "ok: o pacote passa no lintian, no appstreamcli e no man"
