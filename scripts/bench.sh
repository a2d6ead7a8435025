#!/usr/bin/env bash
# Runs every benchmark in one go and prints the table of the speed targets:
# - every window opened from its menu on 731 and on 100,000 draws, from the
#   menu command to the window painted (offscreen);
# - the start-up to the first frame against an empty main window of the same
#   toolkit (CPU time and peak memory of the process), on an X server (Xvfb);
# - the rebuild against its floors (the thirteen files written; the database
#   read once plus the thirteen files);
# - the backtest of 731 draws against one rebuild to files;
# - importing a 100,000-line results file against reading and splitting it;
# - fetching and adding a 30,000-line file from a local server against importing it;
# - the full history: importing 100,000 draws against the working file alone, their
#   fairness check, and opening its database against the open before it plus its count.
# Each program reports medians; the start-up and the rebuild run in turns
# with their floors, in random order.
# QUOR3_BENCH_REPETITIONS (default 9) sets the number of repetitions,
# QUOR3_BUILD_DIR (default build) the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
reps=${QUOR3_BENCH_REPETITIONS:-9}
build=${QUOR3_BUILD_DIR:-build}

if [[ ! -f $build/Makefile ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target window_benchmark startup_benchmark rebuild_benchmark \
  backtest_benchmark import_benchmark fetch_benchmark history_benchmark 2>&1 |
  { grep --line-buffered -vE '^\[ *[0-9]+%\] (Built target|Automatic (MOC|RCC) for target)' || true; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
common=(--benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true --benchmark_format=csv)
# A measure and its floor run in turns, in random order.
paired=(--benchmark_enable_random_interleaving=true)
echo "Windows..." >&2
"$build"/bin/window_benchmark "${common[@]}" --benchmark_min_time=0.2 >"$out/windows.csv" 2>"$out/log"
echo "Start-up..." >&2
xvfb-run -a "$build"/bin/startup_benchmark "${common[@]}" "${paired[@]}" --benchmark_min_time=0.5 >"$out/startup.csv" 2>>"$out/log"
echo "Rebuild..." >&2
"$build"/bin/rebuild_benchmark "${common[@]}" "${paired[@]}" --benchmark_min_time=0.3 >"$out/rebuild.csv" 2>>"$out/log"
echo "Backtest..." >&2
"$build"/bin/backtest_benchmark "${common[@]}" "${paired[@]}" --benchmark_min_time=0.3 >"$out/backtest.csv" 2>>"$out/log"
echo "Import..." >&2
# Its own reporter prints the table and the ratios of the median CPU times.
"$build"/bin/import_benchmark --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  2>>"$out/log" | sed 's/\x1b\[[0-9;]*m//g' >"$out/import.txt"
echo "Fetch..." >&2
"$build"/bin/fetch_benchmark --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  2>>"$out/log" | sed 's/\x1b\[[0-9;]*m//g' >"$out/fetch.txt"
echo "Full history..." >&2
"$build"/bin/history_benchmark --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  2>>"$out/log" | sed 's/\x1b\[[0-9;]*m//g' >"$out/history.txt"
grep -E '^(note|Load Average)' "$out/log" >&2 || true

# The median rows (the single run when there is one repetition): name, then real time (the manual time where a benchmark
# sets it), CPU time and any counters, in milliseconds.
medians() {
  awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); column[$i] = i }; next }
    $1 !~ /_(mean|stddev|cv)"$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); sub(/\/manual_time$/, "", name)
      scale = ($5 == "us") ? 0.001 : ($5 == "ns" ? 0.000001 : 1)
      printf "%s %.4f %.4f", name, $3 * scale, $4 * scale
      if ("peak_MB" in column) printf " %.2f", $(column["peak_MB"])
      printf "\n"
    }' "$1"
}
medians "$out/windows.csv" >"$out/windows"
medians "$out/startup.csv" >"$out/startup"
medians "$out/rebuild.csv" >"$out/rebuild"
medians "$out/backtest.csv" >"$out/backtest"

status=0
awk -v windows="$out/windows" -v startup="$out/startup" -v rebuild="$out/rebuild" -v backtest="$out/backtest" '
  function verdict(ok) { if (!ok) failed = 1; return ok ? "met" : "MISSED" }
  function ratio(a, b) { if (a <= 0 || b <= 0) { failed = 1; return -1 } return a / b }
  BEGIN {
    while ((getline line < windows) > 0) {
      # "Graph_Totals/731": the caption, then the number of draws after the last slash.
      split(line, f, " "); match(f[1], /\/[0-9]+$/)
      w = substr(f[1], 1, RSTART - 1); time[w, substr(f[1], RSTART + 1)] = f[2]
      if (!(w in seen)) { seen[w] = 1; order[++count] = w }
    }
    while ((getline line < startup) > 0) { split(line, f, " "); cpu[f[1]] = f[2]; peak[f[1]] = f[4] }
    while ((getline line < rebuild) > 0) { split(line, f, " "); wall[f[1]] = f[2] }
    while ((getline line < backtest) > 0) { split(line, f, " "); bt[f[1]] = f[2] }

    print "| window (menu item) | 731 draws | 100,000 draws | target (under 16 ms / 100 ms) |"
    print "|---|---|---|---|"
    for (i = 1; i <= count; i++) {
      w = order[i]; small = time[w, "731"]; big = time[w, "100000"]
      ok = (w == "EmptyDialog") ? 1 : (small > 0 && big > 0 && small < 16 && big < 100)
      name = w; gsub(/_/, " ", name)
      printf "| %s | %.1f ms | %.1f ms | %s |\n", w == "EmptyDialog" ? "(floor: an empty dialog)" : name, small, big,
        w == "EmptyDialog" ? "" : verdict(ok)
    }
    print ""
    q = cpu["BM_StartQuor3"]; e = cpu["BM_StartEmptyMainWindow"]
    qm = peak["BM_StartQuor3"]; em = peak["BM_StartEmptyMainWindow"]
    print "| start-up to the first frame | quor3 | empty main window | ratio | target (at most 1.5) |"
    print "|---|---|---|---|---|"
    printf "| CPU time | %.1f ms | %.1f ms | %.2f | %s |\n", q, e, ratio(q, e), verdict(ratio(q, e) > 0 && q / e <= 1.5)
    printf "| peak memory | %.1f MB | %.1f MB | %.2f | %s |\n", qm, em, ratio(qm, em), verdict(ratio(qm, em) > 0 && qm / em <= 1.5)
    print ""
    print "| rebuild (wall time) | rebuild | floor | ratio | target |"
    print "|---|---|---|---|---|"
    r = wall["BM_Rebuild/731"]; fl = wall["BM_FloorWriteThirteenFiles/731"]
    printf "| 731 draws, against the thirteen files written | %.2f ms | %.2f ms | %.2f | at most 1.1: %s |\n", r, fl,
      ratio(r, fl), verdict(ratio(r, fl) > 0 && r / fl <= 1.1)
    r = wall["BM_Rebuild/100000"]; fl = wall["BM_FloorReadOnceWriteThirteenFiles/100000"]
    printf "| 100,000 draws, against the database read once and the thirteen files written | %.2f ms | %.2f ms | %.2f | at most 1.5: %s |\n",
      r, fl, ratio(r, fl), verdict(ratio(r, fl) > 0 && r / fl <= 1.5)
    print ""
    print "| backtest (wall time) | backtest | one rebuild to files | ratio | target (at most 5) |"
    print "|---|---|---|---|---|"
    b = bt["BM_Backtest731"]; r = bt["BM_RebuildToFiles731"]
    printf "| 731 draws | %.2f ms | %.2f ms | %.2f | %s |\n", b, r, ratio(b, r), verdict(ratio(b, r) > 0 && b / r <= 5)
    printf "| 100,000 draws (in the background) | %.0f ms | | | |\n", bt["BM_Backtest100000"]
    exit failed
  }' || status=1
echo
echo "| import of 100,000 lines (CPU time, median) | ratio to reading and splitting the lines | target (at most 3) |"
echo "|---|---|---|"
grep -E '^layout [0-9]' "$out/import.txt" | sed -E 's/^layout ([0-9]): import \/ read and split = ([0-9.]+) \((.*)\)/| layout \1 | \2 | \3 |/'
grep -qE '^layout [0-9].*ABOVE' "$out/import.txt" && status=1
echo
echo "| fetch and add a 30,000-line file (wall time, median) | ratio to importing it from disk | target (at most 2) |"
echo "|---|---|---|"
grep -E '^fetch [0-9]' "$out/fetch.txt" | sed -E 's/^fetch [0-9] \((.*)\): .* = ([0-9.]+) \((.*)\)/| \1 | \2 | \3 |/'
grep -qE '^fetch [0-9].*ABOVE' "$out/fetch.txt" && status=1
echo
echo "| the full history (wall time, median) | measure | target |"
echo "|---|---|---|"
history_lines='^(import into|fairness of|open with)'
grep -E "$history_lines" "$out/history.txt" | sed -E 's/^(.*[^ ]) ?[:=] ([0-9.]+( ms)?) \((.*)\)$/| \1 | \2 | \4 |/'
grep -qE "$history_lines.*ABOVE" "$out/history.txt" && status=1
exit $status
