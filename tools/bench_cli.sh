#!/usr/bin/env bash
# Benchmark of klimaro-cli assess, run by hand on a Release build:
#   tools/bench_cli.sh [build folder] [rooms]     (defaults: build, 200)
# Makes 4 year files of 8,760 hours from examples/sample_year.csv (outdoor and indoor
# temperatures shifted and perturbed, each with a seed of its own) and the room files over
# them, the four summer models in turn, every chapter ticked; then times assess with --jobs 1,
# --jobs 2 and --jobs 2 --pdf (the best of three runs; one run with PDF) and prints rooms per second and the speed-up from 1 to 2 jobs.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
rooms=${2:-200}
cli="$build/klimaro-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$top/examples/sample_year.csv" "$top/examples/office_room.json" "$work" "$rooms" <<'EOF'
import json, random, sys
sample, room_file, work, rooms = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
lines = open(sample, encoding="utf-8").read().splitlines()
def num(t): return float(t.replace(",", "."))
def text(v): return f"{v:.2f}".replace(".", ",")
for k, shift in enumerate([-1.5, 0.0, 1.0, 2.5]):
    rnd = random.Random(k + 1)
    out = [lines[0]]
    for line in lines[1:]:
        ta, rh, to = line.split(";")
        out.append(";".join([text(num(ta) + shift + rnd.gauss(0, 0.5)),
                             str(min(100, max(5, round(num(rh) + rnd.gauss(0, 3))))),
                             text(num(to) + shift / 2 + rnd.gauss(0, 0.2))]))
    open(f"{work}/year{k}.csv", "w", encoding="utf-8").write("\n".join(out) + "\n")
room = json.load(open(room_file, encoding="utf-8"))
for i in range(rooms):
    r = json.loads(json.dumps(room))
    r["data"] = f"year{i % 4}.csv"
    r["summerModel"]["model"] = ["fixed26", "adaptive", "nationalAnnex", "din4108"][(i // 4) % 4]
    r["summerModel"]["region"] = "ABC"[i % 3]
    r["draught"]["winter"]["airVelocity"] = round(0.08 + 0.01 * (i % 10), 2)
    json.dump(r, open(f"{work}/room{i:03d}.json", "w", encoding="utf-8"), indent=4)
EOF

# The best of `repeat` runs: the machine may be shared, the fastest run is the program's own time.
run() {   # label, repeat, then the options of assess
    local label=$1 repeat=$2 times=() start end
    shift 2
    for _ in $(seq "$repeat"); do
        start=$(date +%s.%N)
        "$cli" assess --quiet "$@" --out "$work/out-$label" "$work"/room*.json 2>/dev/null
        end=$(date +%s.%N)
        times+=("$end - $start")
    done
    python3 -c "import sys; t = min(eval(x) for x in sys.argv[2:]); print(t); \
print(f'{sys.argv[1]:>12}: {$rooms} rooms in {t:.2f} s, {$rooms / t:.1f} rooms/s', file=sys.stderr)" "$label" "${times[@]}"
}

echo "klimaro-cli assess, $rooms rooms over 4 year files of 8,760 h, every chapter (best of 3):" >&2
one=$(run jobs1 3 --jobs 1)
two=$(run jobs2 3 --jobs 2)
cmp -s "$work/out-jobs1/summary.csv" "$work/out-jobs2/summary.csv" || { echo "summaries differ" >&2; exit 1; }
for f in "$work"/out-jobs1/*.xml; do
    cmp -s "$f" "$work/out-jobs2/$(basename "$f")" || { echo "$(basename "$f") differs" >&2; exit 1; }
done
python3 -c "print(f'     speed-up: {$one / $two:.2f} x from 1 to 2 jobs (identical files)')" >&2
run pdf 1 --jobs 2 --pdf > /dev/null
