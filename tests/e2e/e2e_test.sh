#!/usr/bin/env bash
# The real program under a private X server, keyed in like a user would: one
# new record through the editor, the export, quit; then the index, the data
# file and vyr.csv are compared byte by byte.
# Usage: e2e_test.sh PROGRAM SOURCE_DIR
set -uo pipefail
# Byte widths in printf and byte-wise sed over Windows-1252 text.
export LC_ALL=C

if [ $# -ne 2 ]; then
  echo "usage: e2e_test.sh PROGRAM SOURCE_DIR" >&2
  exit 2
fi
vyr=$1
src=$2

. "$src/scripts/x-session"
x_need_tools

tmp=$(mktemp -d)
carpeta=$tmp/carpeta
trap 'x_stop; rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*"
  if [ -s "$tmp/vyr.log" ]; then
    echo "--- program output:"
    cat "$tmp/vyr.log"
  fi
  exit 1
}

dump() {
  if command -v xxd >/dev/null; then xxd "$1"; else od -Ax -tx1z -v "$1"; fi
}

# $1 name, $2 expected file, $3 actual file; sets bad on a difference.
compara() {
  if [ ! -e "$3" ]; then
    echo "FAIL: $1 was not written"
    bad=1
  elif cmp -s "$2" "$3"; then
    echo "ok: $1 ($(wc -c <"$3") bytes)"
  else
    echo "FAIL: $1 differs (< expected, > written)"
    diff <(dump "$2") <(dump "$3")
    bad=1
  fi
}

mkdir "$carpeta"
cp "$src/data/servicios.vyr" "$carpeta/"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

x_start "$tmp/xvfb.log" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
x_start_vyr "$vyr" "$carpeta" "$tmp/vyr.log"

desc='Radio prueba'
codigo=BC
obs='Escucha de prueba con buena senal'

principal=$(x_wait_window '^VYR$') || fail "the main window did not appear"
x_focus "$principal" || fail "could not focus the main window"
# The frequency box has the focus; 7.1 is not stored yet, so the editor opens.
xdotool type '7.1'
xdotool key Return

editor=$(x_wait_window '^VYR - Crear / Modificar$') || fail "the editor did not open for 7.1"
x_focus "$editor" || fail "could not focus the editor"
# Description, service, mode, past "Fecha hoy", observations, "Guardar".
xdotool type "$desc"
xdotool key Tab
xdotool type "$codigo"
xdotool key Tab
xdotool type am
xdotool key Tab
xdotool key Tab
xdotool type "$obs"
xdotool key Tab
xdotool key space
x_wait_gone '^VYR - Crear / Modificar$' || fail "the editor did not close after Guardar"

x_focus "$principal" || fail "could not focus the main window again"
# Archivo > Guardar datos.
xdotool key alt+a
xdotool key g
aviso=$(x_wait_window '^Salvar datos$') || fail "no 'Salvar datos' message after the export"
x_focus "$aviso" || fail "could not focus the message"
xdotool key Return
x_wait_gone '^Salvar datos$' || fail "the message did not close with Return"

x_focus "$principal" || fail "could not focus the main window to quit"
xdotool key ctrl+x
x_wait_exit || fail "the program did not end after ctrl+x"
wait "$VYR_PID"
rc=$?
VYR_PID=""
[ "$rc" -eq 0 ] || fail "the program ended with status $rc"

# What the files must hold: the service is stored by the name its code has
# in servicios.vyr, every text field padded with spaces to its width, the
# date never visited so blank; vyr.csv has the same fields without their
# trailing spaces.
servicio=$(tr -d '\r' <"$carpeta/servicios.vyr" | sed -n "s/^$codigo //p")
[ -n "$servicio" ] || fail "no service $codigo in data/servicios.vyr"
printf '\x66\x66\x66\x66\x66\x66\x1c\x40\x01\x00' >"$tmp/frecuencias.esperado"
printf '%-40.40s%-18.18s%-6.6s%-6.6s%-230.230s' "$desc" "$servicio" AM '' "$obs" >"$tmp/datos.esperado"
printf '7100000;%s;%s;AM;;%s\r\n' "$desc" "$servicio" "$obs" >"$tmp/csv.esperado"

bad=0
compara frecuencias.vyr "$tmp/frecuencias.esperado" "$carpeta/frecuencias.vyr"
compara datos.vyr "$tmp/datos.esperado" "$carpeta/datos.vyr"
compara vyr.csv "$tmp/csv.esperado" "$carpeta/vyr.csv"
[ "$bad" -eq 0 ] || fail "the files differ from what was keyed in"
echo "PASSED: record keyed in, stored and exported"
