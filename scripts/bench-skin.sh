#!/usr/bin/env bash
# Skin benchmarks: loading the embedded skin against bare inflation of its
# members, the pixel primitives against memcpy of the same bytes on a
# 1024 x 768 bitmap, and section painting against memcpy of the item
# bitmap's bytes, and the settings window's frame cache against memcpy of
# its bytes. Builds an optimised host tree (build/bench, or
# $WAKESPAN_BENCH_DIR) and prints each ratio of medians with its target.
# Usage: scripts/bench-skin.sh [REPETITIONS]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
reps="${1:-9}"
dir="${WAKESPAN_BENCH_DIR:-$root/build/bench}"
mkdir -p "$(dirname "$dir")"
[ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$dir.configure.log"
cmake --build "$dir" --parallel "${WAKESPAN_JOBS:-2}" --target skin_load_bench pixels_bench paint_bench frame_bench >/dev/null

run() { # program -> JSON of the medians
  # Interleaved repetitions: a slow spell of a shared machine then weighs on
  # both sides of a ratio alike.
  "$dir/bench/$1" --benchmark_repetitions="$reps" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null
}

{ run skin_load_bench; echo '@@'; run pixels_bench; echo '@@'; run paint_bench; echo '@@'; run frame_bench; } | python3 -c '
import json, sys
load, pixels, paint, frame = (json.loads(part) for part in sys.stdin.read().split("@@"))
def medians(doc):
    return {b["run_name"]: b["real_time"] for b in doc["benchmarks"] if b.get("aggregate_name") == "median"}
m = medians(load)
print("skin load %.0f us, bare inflation %.0f us: %.2fx (target 1.3x)" % (
    m["BM_SkinLoad"], m["BM_InflateMembersOnly"], m["BM_SkinLoad"] / m["BM_InflateMembersOnly"]))
p = medians(pixels)
targets = {"BM_CopyKeyed": 4, "BM_BlendWithAlpha": 4, "BM_BlendPercent": 8}
for name, target in targets.items():
    for bits in (24, 32):
        ratio = p["%s/%d" % (name, bits)] / p["BM_Memcpy/%d" % bits]
        print("%-18s %d-bit %.2fx memcpy (target %dx)" % (name[3:], bits, ratio, target))
s = medians(paint)
for i, (section, size, target) in enumerate((("FORM", "357 x 389", 3), ("BUTTON", "75 x 25", 4), ("MENUITEM", "150 x 22", 6))):
    ratio = s["BM_PaintSection/%d" % i] / s["BM_Memcpy/%d" % i]
    print("PaintSection %-8s %-9s state 1 %.2fx memcpy (target %dx)" % (section, size, ratio, target))
f = medians(frame)
print("RenderFrame settings 357 x 389 %.2fx memcpy (target 4x)" % (f["BM_RenderFrame"] / f["BM_MemcpyCache"]))
'
