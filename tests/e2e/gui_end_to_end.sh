#!/usr/bin/env bash
# End to end on a real desktop window: caelix gui on a virtual X server, driven with xdotool
# like a person would: type a date, Alt+C, read the result window's text through the clipboard,
# Alt+B, check the three stored files, start again and recall the input from the history list,
# then open its chart window with Alt+R and click on the Sun.
# Screenshots go to the folder given. Exit 77 (skipped) when a tool is missing.
# Usage: gui_end_to_end.sh CAELIX SCREENSHOT_DIR
set -euo pipefail
# The machine is shared: when our X server goes away under us, the whole run starts again.
if [[ -z ${CAELIX_E2E_ATTEMPT:-} ]]; then
  for attempt in 1 2 3; do
    rc=0
    CAELIX_E2E_ATTEMPT=$attempt bash "$0" "$@" || rc=$?
    [[ $rc == 75 ]] || exit "$rc"
    echo "the X server went away; trying again"
  done
  exit 1
fi
caelix=$1
shots=$2
for tool in Xvfb xdotool xclip import od; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
# The first run finds no data folder and makes it when it stores the input; the second names it.
export XDG_CONFIG_HOME=$work/config
data=$XDG_CONFIG_HOME/caelix
mkdir -p "$shots"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

server=
fail() {
  if [[ -n $server ]] && ! { kill -0 "$server" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1; }; then
    echo "lost the X server: $*" >&2
    exit 75
  fi
  echo "FAILED: $*" >&2
  import -window root "$shots/gui_failure.png" 2>/dev/null || true
  exit 1
}

# A server of our own on a free display; it is ready when it answers (a display number that
# another server took meanwhile makes ours exit, and we try again).
start_server() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  server=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  [[ -s $work/display ]] || { kill "$server" 2>/dev/null; return 1; }
  export DISPLAY=":$(cat "$work/display")"
  for _ in $(seq 50); do
    kill -0 "$server" 2>/dev/null || return 1
    xdotool getdisplaygeometry >/dev/null 2>&1 && { pids+=("$server"); return 0; }
    sleep 0.1
  done
  kill "$server" 2>/dev/null
  return 1
}
started=no
for _ in 1 2 3; do start_server && { started=yes; break; }; done
[[ $started == yes ]] || fail "Xvfb did not start"

# Waits until a window with exactly this name exists (or is gone, with "gone"); prints its id.
wait_window() {
  for _ in $(seq 100); do
    if id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [[ -n $id ]]; then
      [[ ${2:-} == gone ]] || { echo "$id"; return 0; }
    elif [[ ${2:-} == gone ]]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Prints the text of the focused widget, copied with Ctrl+A, Ctrl+C.
copy_focused() {
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}

start_gui() {
  "$caelix" gui "$@" --scale 1.5 &
  pids+=($!)
  # A program that could not reach the server is tried again with a new one (three times at most).
  main=$(wait_window Caelix) || { kill -0 "${pids[-1]}" 2>/dev/null || exit 75; fail "no window named Caelix"; }
  xdotool windowfocus --sync "$main"
  sleep 0.3
  xdotool search --classname '^caelix$' | grep -qx "$main" || fail "the window's class is not caelix"
}

# First run: the day edit has the focus; each field is selected whole and typed over.
start_gui
[[ ! -e $data ]] || fail "opening the window made the data folder"
xdotool type --delay 40 28
for value in 2 2006 17 42.5; do
  xdotool key Tab
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 40 "$value"
done
xdotool key alt+c
result=$(wait_window 'Result:') || fail "Alt+C opened no window named Result:"
xdotool windowfocus --sync "$result"
sleep 0.3
xdotool mousemove --window "$result" 100 100 click 1
page=$(copy_focused)
first=$(printf '%s\n' "$page" | head -1)
[[ $first == "28.2.2006 17GMT:42.50," ]] || fail "first line of the positions page is '$first'"
printf '%s\n' "$page" | grep -q $'^So\t[0-9][0-9][A-Z][a-z][0-9][0-9]\t' || fail "no Sun line on the page"
printf '%s\n' "$page" | grep -qx 'Placidus' || fail "no house system line on the page"
import -window root "$shots/gui_result.png"

xdotool key alt+b
wait_window 'Result:' gone || fail "Alt+B left the result window open"

size() { stat -c %s "$data/$1" 2>/dev/null || echo missing; }
# The files are written once the result window has closed.
for _ in $(seq 50); do [[ $(size alastcall.bin) == 560 ]] && break; sleep 0.1; done
[[ $(size ahouses.bin) == 4 ]] || fail "ahouses.bin has $(size ahouses.bin) bytes"
[[ $(size aplace.bin) == 16 ]] || fail "aplace.bin has $(size aplace.bin) bytes"
[[ $(size alastcall.bin) == 560 ]] || fail "alastcall.bin has $(size alastcall.bin) bytes"
place=$(od -A n -t f8 "$data/aplace.bin" | tr -s ' ')
[[ $place == " 14.417 50.083" ]] || fail "aplace.bin holds '$place'"
record=$(od -A n -t f8 -N 56 "$data/alastcall.bin" | tr -s ' \n' ' ')
[[ $record == " 28 2 2006 17 42.5 50.083 14.417 " ]] || fail "the first history record is '$record'"
[[ $(od -A n -t d4 "$data/ahouses.bin" | tr -d ' ') == 0 ]] || fail "ahouses.bin does not hold 0"
[[ $(stat -c %a "$data") == 700 ]] || fail "the data folder was made with mode $(stat -c %a "$data")"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

# Second run: the history list shows the input; selecting it fills the edits again.
start_gui --data-dir "$data"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 1
# The first line of the list box (68, 84 in dialog units: 1.75 pixels each, times the scale),
# then the day edit (38, 10).
xdotool mousemove --window "$main" 190 229 click 1
sleep 0.3
import -window root "$shots/gui_history.png"
xdotool mousemove --window "$main" 129 45 click 1
day=$(copy_focused)
[[ $day == 28 ]] || fail "selecting the history line left the day edit at '$day'"
for _ in 1 2 3 4; do xdotool key Tab; done
minute=$(copy_focused)
[[ $minute == 42.50 ]] || fail "selecting the history line left the minute edit at '$minute'"

# The chart window of the same input: Alt+R, a click on the Sun's symbol names it in the status
# line (copied with Ctrl+C), a click on the centre names the chart, Escape closes the window.
# Where the Sun went: the wheel of `caelix chart --svg` (the classic engine, as the dialogs) at the
# window's 233-pixel client area, whose titled squares lie 8 pixels round each symbol's centre.
"$caelix" chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 --engine classic --svg "$work/w.svg" \
  --style classic --size 233 >/dev/null
sun=$(grep -o '<rect x="[0-9]*" y="[0-9]*" width="17" height="17"[^>]*><title>So [^<]*' "$work/w.svg") ||
  fail "no Sun in the wheel's SVG"
sun_x=$(sed 's/.*x="\([0-9]*\)".*/\1/' <<<"$sun")
sun_y=$(sed 's/.*y="\([0-9]*\)" width.*/\1/' <<<"$sun")
sun_text=${sun##*<title>}
xdotool key alt+r
chart=$(wait_window 'Horoskop:') || fail "Alt+R opened no window named Horoskop:"
xdotool windowfocus --sync "$chart"
sleep 0.3
status() {
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}
[[ $(status) == "Click on symbol." ]] || fail "the status line does not start as 'Click on symbol.'"
# A dialog pixel p is screen pixel p times the scale, 1.5.
xdotool mousemove --window "$chart" $(((sun_x + 8) * 3 / 2 + 1)) $(((sun_y + 8) * 3 / 2 + 1)) click 1
named=$(status)
[[ $named == "$sun_text" ]] || fail "a click on the Sun named '$named', not '$sun_text'"
import -window root "$shots/gui_chart.png"
xdotool mousemove --window "$chart" $((116 * 3 / 2 + 1)) $((116 * 3 / 2 + 1)) click 1
named=$(status)
[[ $named == "28.2.2006 17GMT:42.50, 50.08° 14.42° " ]] || fail "a click on the centre named '$named'"
xdotool key Escape
wait_window 'Horoskop:' gone || fail "Escape left the chart window open"
echo "gui end to end: passed; screenshots in $shots"
