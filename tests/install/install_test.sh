#!/usr/bin/env bash
# What `cmake --install` puts (the list in instalados, one path a line under
# the prefix), and the installed launcher: the folder it makes or is given,
# the default services list copied only where there is none, and what it
# refuses. The program runs on a private X server until its main window
# shows, then ends through its own Ctrl+X.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: install_test.sh BUILD_DIR SOURCE_DIR" >&2
  exit 2
fi
build=$1
src=$2
. "$src/scripts/x-session"
x_need_tools
tmp=$(mktemp -d)
trap 'x_stop; rm -rf "$tmp"' EXIT
x_start "$tmp/xvfb.log" || { echo "FAIL: Xvfb did not start: $(cat "$tmp/xvfb.log")"; exit 1; }
fallos=0
falla() {
  echo "FAIL: $*"
  fallos=$((fallos + 1))
}

pre=$tmp/prefijo
if ! cmake --install "$build" --prefix "$pre" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
while read -r f; do
  [ -e "$pre/$f" ] || [ -L "$pre/$f" ] || falla "cmake --install put no $f"
done <"$src/tests/install/instalados"
cmp -s "$pre/share/vyr/servicios.vyr" "$src/data/servicios.vyr" || falla "the installed services list differs"
[ -x "$pre/bin/vyr-inicio" ] || falla "the launcher is not executable"
# The converter runs from where it was put.
"$pre/bin/vyr-convertir" --ayuda 2>&1 | grep -q "^Uso: vyr-convertir" || falla "the installed vyr-convertir gave no usage"
# Anything the launcher fails to put in its folder lands here, not in the build.
cd "$tmp" || exit 1

# Runs the launcher (or $LANZADOR) with only the environment given in "$@"
# (NAME=value words; the last word may be --args with the launcher's
# arguments after it). Leaves its status in $estado, its output in
# $tmp/salida and $tmp/errores.
lanza() {
  local vars=() args=()
  while [ $# -gt 0 ] && [ "$1" != --args ]; do vars+=("$1"); shift; done
  [ $# -gt 0 ] && shift && args=("$@")
  # A sanitizer build's settings reach the program.
  local v
  for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!v:-}" ] && vars=("$v=${!v}" "${vars[@]}")
  done
  env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb "${vars[@]}" \
    "${LANZADOR:-$pre/bin/vyr-inicio}" "${args[@]}" >"$tmp/salida" 2>"$tmp/errores" &
  VYR_PID=$!
  # The launcher either refuses and ends, or becomes the program, whose
  # main window then shows and is closed as a user would.
  local i
  for i in $(seq 200); do
    kill -0 "$VYR_PID" 2>/dev/null || break
    local ventana
    if ventana=$(xdotool search --onlyvisible --name '^VYR$' 2>/dev/null | head -n 1) && [ -n "$ventana" ]; then
      x_focus "$ventana" && xdotool key ctrl+x
      x_wait_exit || falla "$CASO: the program did not end with Ctrl+X"
      break
    fi
    sleep 0.1
  done
  if kill -0 "$VYR_PID" 2>/dev/null && [ "$i" -eq 200 ]; then
    falla "$CASO: neither a refusal nor a main window within 20 s"
    kill "$VYR_PID"
  fi
  wait "$VYR_PID"
  estado=$?
  VYR_PID=""
}

# Folder $1 holds the program's files and the services list $2 byte for byte.
trabajo() {
  local c=$1 lista=$2 f
  for f in frecuencias.vyr datos.vyr; do
    [ -e "$c/$f" ] || falla "$CASO: no $f in $c"
  done
  cmp -s "$c/servicios.vyr" "$lista" || falla "$CASO: servicios.vyr in $c is not $lista"
}

espera() {
  [ "$estado" -eq "$1" ] || falla "$CASO: status $estado, not $1; stderr: $(cat "$tmp/errores")"
}

CASO="a new user"
mkdir "$tmp/casa1"
lanza HOME="$tmp/casa1"
espera 0
trabajo "$tmp/casa1/VYR" "$src/data/servicios.vyr"
[ "$(ls -A "$tmp/casa1")" = VYR ] || falla "$CASO: the home folder holds $(ls -A "$tmp/casa1")"

CASO="VYR_CARPETA with a list of its own, a blank in its name"
propia=$tmp/propia.vyr
printf 'ZZ Mi servicio\r\n' >"$propia"
mkdir -p "$tmp/mi carpeta"
cp "$propia" "$tmp/mi carpeta/servicios.vyr"
mkdir "$tmp/casa2"
lanza HOME="$tmp/casa2" VYR_CARPETA="$tmp/mi carpeta"
espera 0
trabajo "$tmp/mi carpeta" "$propia"
[ -z "$(ls -A "$tmp/casa2")" ] || falla "$CASO: the home folder was used"

CASO="VYR_CARPETA without a list, several levels down"
lanza HOME="$tmp/casa2" VYR_CARPETA="$tmp/a/b/c"
espera 0
trabajo "$tmp/a/b/c" "$src/data/servicios.vyr"

CASO="a list that is a link to nothing stays a link"
mkdir "$tmp/enlazada"
ln -s "$tmp/no-existe" "$tmp/enlazada/servicios.vyr"
lanza VYR_CARPETA="$tmp/enlazada"
[ -L "$tmp/enlazada/servicios.vyr" ] && [ ! -e "$tmp/no-existe" ] || falla "$CASO: the link was followed or replaced"

CASO="started through a link to the launcher"
ln -s "$pre/bin/vyr-inicio" "$tmp/lanzador"
LANZADOR=$tmp/lanzador lanza VYR_CARPETA="$tmp/por-enlace"
espera 0
trabajo "$tmp/por-enlace" "$src/data/servicios.vyr"

# Refusals: a status, a Spanish line, nothing made.
CASO="neither HOME nor VYR_CARPETA"
lanza
espera 1
grep -q "ni VYR_CARPETA ni HOME" "$tmp/errores" || falla "$CASO: said $(cat "$tmp/errores")"

CASO="VYR_CARPETA names a file"
printf 'x' >"$tmp/fichero"
lanza VYR_CARPETA="$tmp/fichero"
espera 1
grep -q "no se puede crear la carpeta $tmp/fichero" "$tmp/errores" || falla "$CASO: said $(cat "$tmp/errores")"
[ "$(cat "$tmp/fichero")" = x ] || falla "$CASO: the file changed"

CASO="a list that cannot be copied in"
mkdir -p "$tmp/ocupada/servicios.vyr.nuevo"
lanza VYR_CARPETA="$tmp/ocupada"
espera 1
grep -q "no se puede copiar la lista de servicios" "$tmp/errores" || falla "$CASO: said $(cat "$tmp/errores")"
[ "$(ls -A "$tmp/ocupada")" = servicios.vyr.nuevo ] && [ -z "$(ls -A "$tmp/ocupada/servicios.vyr.nuevo")" ] ||
  falla "$CASO: the folder holds $(ls -AR "$tmp/ocupada")"

CASO="an argument"
mkdir "$tmp/casa3"
lanza HOME="$tmp/casa3" --args lista.csv
espera 2
grep -q "^uso: vyr-inicio" "$tmp/errores" || falla "$CASO: said $(cat "$tmp/errores")"
[ -z "$(ls -A "$tmp/casa3")" ] || falla "$CASO: made $(ls -A "$tmp/casa3")"

CASO="--ayuda"
lanza HOME="$tmp/casa3" --args --ayuda
espera 0
grep -q "^uso: vyr-inicio" "$tmp/salida" || falla "$CASO: said $(cat "$tmp/salida")"
[ -z "$(ls -A "$tmp/casa3")" ] || falla "$CASO: made $(ls -A "$tmp/casa3")"

if [ $fallos -ne 0 ]; then
  echo "$fallos checks failed"
  exit 1
fi
echo "cmake --install and the launcher: every check passed"
