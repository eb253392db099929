#!/bin/sh
# The benchmark table: start-up and memory beside a bare Qt program, every
# topic's question draw, the target-number search, the results lists.
#
#   bench/bench.sh <builddir> [runs]
#
# <builddir> is an optimised build configured with -DTAVELUNE_BENCH=ON
# (cmake -S . -B build/rel -DCMAKE_BUILD_TYPE=Release -DTAVELUNE_SANITIZE=OFF
#  -DTAVELUNE_TESTS=OFF -DTAVELUNE_BENCH=ON; cmake --build build/rel
#  --target tavelune bench_tirages bench_compte bench_liste_generale bench_nu
#  bench_demarrage). Start-up runs under $DISPLAY, or under an Xvfb of its own
# when there is none. Times of the draws and the search are the processor
# time of the thread (TAVELUNE_BENCH_MUR=1: elapsed time); start-up and lists
# are elapsed times. Medians over <runs> runs (7 by default).
set -eu
b=${1:?usage: bench/bench.sh <builddir> [runs]}
runs=${2:-7}
b=$(cd "$b" && pwd)
tmp=$(mktemp -d)
xvfb=""
trap 'rm -rf "$tmp"; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; true' EXIT

median() { sort -g | awk '{v[NR]=$1} END {if (NR) print v[int((NR+1)/2)]; else print "-"}'; }

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :87 -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb=$!
    DISPLAY=:87
    export DISPLAY
    sleep 2
fi

# Start-up, the two programs in turn so that both see the same machine.
i=0
while [ "$i" -lt "$runs" ]; do
    "$b/bench_demarrage" "exercices et jeux de calcul" "$b/tavelune" >>"$tmp/tavelune" 2>/dev/null || true
    "$b/bench_demarrage" "nue de référence" "$b/bench_nu" >>"$tmp/nu" 2>/dev/null || true
    i=$((i + 1))
done
t_ms=$(cut -d' ' -f1 "$tmp/tavelune" | median)
t_ko=$(cut -d' ' -f2 "$tmp/tavelune" | median)
n_ms=$(cut -d' ' -f1 "$tmp/nu" | median)
n_ko=$(cut -d' ' -f2 "$tmp/nu" | median)

printf '%-44s | %10s | %10s | %10s | %s\n' "mesure" "p50 (ms)" "p99 (ms)" "max (ms)" "autres"
printf '%s\n' "---------------------------------------------+------------+------------+------------+----------------"
awk -v tm="$t_ms" -v tk="$t_ko" -v nm="$n_ms" -v nk="$n_ko" -v r="$runs" 'BEGIN {
    printf "%-44s | %10s | %10s | %10s | médiane de %d ; Qt nu : %s ms ; rapport %.2f\n", "démarrage jusqu a la fenêtre principale", tm, "", "", r, nm, (nm > 0 ? tm / nm : 0);
    printf "%-44s | %10s | %10s | %10s | Tavelune %.1f Mo ; Qt nu %.1f Mo\n", "mémoire résidente 2 s après", "", "", "", tk / 1024, nk / 1024 }'

# Question draws: one row per topic, its level of longest p99.
"$b/bench_tirages" >"$tmp/tirages"
awk -F'\t' '$1 == "tirage" { split($2, u, " "); if (!(u[1] in p99) || $4 > p99[u[1]]) { p99[u[1]] = $4; l[u[1]] = $2; p50[u[1]] = $3; mx[u[1]] = $5 }; if ($4 > pire) pire = $4; ordre[++n] = u[1] }
    END { for (i = 1; i <= n; ++i) { k = ordre[i]; if (k in vu) continue; vu[k] = 1;
          printf "%-44s | %10.4f | %10.4f | %10.4f | niveau le plus long\n", "tirage " l[k], p50[k], p99[k], mx[k] } }' "$tmp/tirages"

# The target-number search.
"$b/bench_compte" >"$tmp/compte"
awk -F'\t' '$1 == "compte" { printf "%-44s | %10s | %10s | %10s | %s\n", "compte, " $2, $3, $4, $5, $6 } $1 ~ /^#/ { print $0 }' "$tmp/compte"

# The lists: medians of the runs.
i=0
while [ "$i" -lt "$runs" ]; do
    QT_QPA_PLATFORM=offscreen "$b/bench_liste_generale" >>"$tmp/liste" 2>/dev/null
    i=$((i + 1))
done
for quoi in "fichier general" "fichier local"; do
    grep "^liste	$quoi" "$tmp/liste" >"$tmp/l" || true
    ms=$(cut -f3 "$tmp/l" | median)
    nom=$(head -n1 "$tmp/l" | cut -f2)
    autre=$(head -n1 "$tmp/l" | cut -f6)
    printf '%-44s | %10s | %10s | %10s | médiane de %d %s\n' "$nom" "$ms" "" "" "$runs" "$autre"
done
