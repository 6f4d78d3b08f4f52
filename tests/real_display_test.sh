#!/usr/bin/env bash
# Starts the built program on a real X server (Xvfb), waits for the splash box
# and then the window titled "Quintaval", ends it with the Quit shortcut and
# checks that it exits with status 0.
set -uo pipefail
program="$1"
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup --test installs it)"; exit 1; }
done

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<'INNER'
set -uo pipefail
program="$1"
unset QT_QPA_PLATFORM
"$program" &
pid=$!
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

# The splash box comes first, alone; the converter window follows it.
visible() { xdotool search --onlyvisible --pid "$pid" --name '^Quintaval$' 2>/dev/null; }
splash=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Quintaval$' 2>/dev/null | head -n1)
[[ -n "$splash" ]] || fail "no splash box"
[[ $(visible | wc -l) -eq 1 ]] || fail "the splash box does not stand alone"
geometry=$(xdotool getwindowgeometry "$splash" | grep Geometry)
[[ "$geometry" == *"334x200"* ]] || fail "the first window is not the splash box ($geometry)"

main=""
for _ in $(seq 100); do
  main=$(visible | grep -vx "$splash" | head -n1)
  [[ -n "$main" ]] && break
  sleep 0.1
done
[[ -n "$main" ]] || fail "no converter window"
sleep 0.3
visible | grep -qx "$splash" && fail "splash box still shown beside the converter window"

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$pid"
status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
echo "PASS: splash, then the Quintaval window, then Ctrl+Q ended it with status 0"
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner" "$program"
