#!/usr/bin/env bash
# The window program against the simulated controller: CPU used over a run at 10 live frames
# per second, time from start to the first identified frame, and resident memory.
#
#   bench/pomiar_okna.sh [seconds]    (default 60; needs a build in build/)
# Runs the window off-screen, so it measures the program's own work without a desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy=${1:-60}
bin=build/bin
folder=$(mktemp -d)
trap 'kill $okno $symulator 2>/dev/null || true; rm -rf "$folder"' EXIT
export WTRYSK_FOLDER_DANYCH=$folder

teraz_ms() { date +%s%3N; }

start_symulatora=$(teraz_ms)
coproc SYM { exec "$bin/wtrysk-cli" simulate --firmware 24 --log; }
symulator=$SYM_PID
read -r linia <&"${SYM[0]}"
com=${linia%% *}; com=${com#COM}

start_okna=$(teraz_ms)
QT_QPA_PLATFORM=offscreen WTRYSK_PORT=$com "$bin/wtrysk" >/dev/null 2>&1 &
okno=$!

# The first poll follows the answer to the identification request: from then on the window
# has its controller identified.
pierwsze=""
while read -r -t 20 rx czas heks <&"${SYM[0]}"; do
  if [ "$heks" = "AA0101AC" ]; then pierwsze=$czas; break; fi
done
# Keep reading the log so the simulator never blocks on a full pipe.
{ cat <&"${SYM[0]}"; } >/dev/null 2>&1 &

takty=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$okno/stat"; }
sleep 5
c0=$(cpu); t0=$(teraz_ms)
sleep "$sekundy"
c1=$(cpu); t1=$(teraz_ms)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$okno/status")

awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$takty" \
  'BEGIN { printf "CPU of one core over %.0f s:       %.2f %%\n", (t1 - t0) / 1000, 100 * (c1 - c0) / hz / ((t1 - t0) / 1000) }'
if [ -n "$pierwsze" ]; then
  echo "start to first identified frame:  $((start_symulatora + pierwsze - start_okna)) ms"
fi
echo "resident memory:                  $((rss / 1024)) MB"
