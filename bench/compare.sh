#!/usr/bin/env bash
# Runs Tessivo's benchmarks and the reference tools on the same photos, on one
# core and, for folder loading, on all cores, in the same run, and prints each
# figure and its ratio against the goals. Builds nothing: pass the build folder
# that holds bench/bundle/bin.
#
#   bench/compare.sh [BUILD_DIR] [small]      (default: build)
#
# "small" runs only the figures for folders of many small photos.
#
# Exits 0 whether the goals are met or not: it is a report.
set -euo pipefail

build=${1:-build}
only=${2:-}
bin="$build/bench/bundle/bin"
if [[ ! -x $bin/tessivo_bench || ! -x $bin/make_photos ]]; then
    echo "compare: build the targets tessivo_bench and make_photos in $build first" >&2
    exit 1
fi

# The reference tools, and jq to read the benchmarks' results.
missing=""
command -v vipsthumbnail >/dev/null || missing="$missing libvips-tools"
# (A stand-in named convert that is not ImageMagick does not count.)
convert -version 2>/dev/null | grep -q ImageMagick || missing="$missing imagemagick"
command -v jq >/dev/null || missing="$missing jq"
command -v xvfb-run >/dev/null || missing="$missing xvfb xauth"
if [[ -n $missing ]]; then
    if [[ $(id -u) -eq 0 ]]; then as_root=""
    elif command -v sudo >/dev/null; then as_root="sudo"
    else echo "compare: needs$missing, and neither root nor sudo is at hand" >&2; exit 1
    fi
    echo "compare: installing$missing"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# The photos, made once and kept between runs.
n=40
cache="${XDG_CACHE_HOME:-$HOME/.cache}/tessivo-bench"
photos="$cache/4000x3000-$n"
n200=200
photos200="$cache/4000x3000-$n200"
many="$cache/4000x3000-500"
large="$cache/6000x4000-1"
echo "compare: photos in $cache"
"$bin/make_photos" "$photos" "$n" 4000 3000
"$bin/make_photos" "$photos200" "$n200" 4000 3000
"$bin/make_photos" "$many" 500 4000 3000
"$bin/make_photos" "$large" 1 6000 4000
# Folders of many small photos, as web images and exports come.
small1500="$cache/640x480-1500"
small3000="$cache/640x480-3000"
small6000="$cache/640x480-6000"
"$bin/make_photos" "$small1500" 1500 640 480
"$bin/make_photos" "$small3000" 3000 640 480
"$bin/make_photos" "$small6000" 6000 640 480
one="$photos/photo-0002.jpg"
# Every tool reads the files from memory, none from the disk.
cat "$photos"/*.jpg "$photos200"/*.jpg "$many"/*.jpg "$large"/*.jpg >/dev/null
cat "$small1500"/*.jpg "$small3000"/*.jpg "$small6000"/*.jpg >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pin="taskset -c 2"
cores=$(nproc)
now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A field of a benchmark that ran without error; empty otherwise.
field() {
    jq -r --arg name "$2" --arg key "$3" \
        '.benchmarks[] | select((.name | startswith($name)) and (.error_occurred | not)) | .[$key]' \
        "$1" 2>/dev/null || true
}

# goal NAME VALUE UNIT LIMIT [REFERENCE FACTOR]: VALUE against LIMIT, or against FACTOR x REFERENCE.
goal() {
    local name=$1 value=$2 unit=$3 limit=$4 reference=${5:-} factor=${6:-}
    if [[ -z $value ]]; then
        printf '%-52s %s\n' "$name" "no figure (the benchmark failed)  FAIL"
        return
    fi
    if [[ -n $reference ]]; then
        awk -v name="$name" -v v="$value" -v r="$reference" -v f="$factor" -v u="$unit" 'BEGIN {
            ratio = v / r
            printf "%-52s %9.3f %s = %.3f x reference (goal <= %.2f)  %s\n", name, v, u, ratio, f,
                   ratio <= f ? "PASS" : "FAIL" }'
    else
        awk -v name="$name" -v v="$value" -v l="$limit" -v u="$unit" 'BEGIN {
            printf "%-52s %9.3f %s (goal <= %g %s)  %s\n", name, v, u, l, u, v <= l ? "PASS" : "FAIL" }'
    fi
}

# The cores this run may use, one a line ("0-3,6" gives 0 1 2 3 6).
usable_cores() {
    awk '/^Cpus_allowed_list/ { print $2 }' /proc/self/status | tr ',' '\n' |
        awk -F- '{ last = $2 == "" ? $1 : $2; for (c = $1; c <= last; c++) print c }'
}
# vipsthumbnail spread over the cores: one process on each, each given its
# share of the files, all at once; the time per photo, median of 3 batches.
spread_vips() { # photo folder, number of photos, size, options of the output files
    local files=("$1"/*.jpg) list=() batches="" k j share
    mapfile -t list < <(usable_cores)
    for _ in 1 2 3; do
        rm -rf "$tmp/vspread" && mkdir "$tmp/vspread"
        start=$(now)
        for ((k = 0; k < ${#list[@]}; k++)); do
            share=()
            for ((j = k; j < ${#files[@]}; j += ${#list[@]})); do share+=("${files[j]}"); done
            taskset -c "${list[k]}" vipsthumbnail -s "$3" -o "$tmp/vspread/%s.jpg$4" "${share[@]}" &
        done
        wait
        batches+="$(( $(now) - start ))"$'\n'
    done
    printf '%s' "$batches" | median | awk -v n="$2" '{ printf "%.3f", $1 / n / 1e6 }'
}

# Folders of small photos on all cores, through the folder dialog and handed
# over, on the offscreen platform and on a real X server (Xvfb), where the
# window's painting counts; 3000 photos against vipsthumbnail, 1500 against
# 6000 for the growth with the folder, and the memory each listed photo costs.
small_photos() {
    local platform folder
    echo
    echo "== Tessivo, folders of small photos (all $cores cores)"
    for platform in offscreen xcb; do
        for folder in "$small1500" "$small3000" "$small6000"; do
            echo "($platform, $(basename "$folder"))"
            xvfb-run -a -s '-screen 0 1600x1200x24' env TESSIVO_BENCH_PLATFORM=$platform \
                TESSIVO_BENCH_PHOTOS="$folder" "$bin/tessivo_bench" \
                --benchmark_filter='BM_FolderLoadingPerPhoto|BM_HandedOverFolderPerPhoto' \
                --benchmark_out="$tmp/small-$platform-$(basename "$folder").json" --benchmark_out_format=json ||
                echo "compare: the loading benchmark failed ($?)"
        done
        xvfb-run -a -s '-screen 0 1600x1200x24' env TESSIVO_BENCH_PLATFORM=$platform \
            TESSIVO_BENCH_MANY="$small6000" "$bin/tessivo_bench" --benchmark_filter=BM_MemoryForManyPhotos \
            --benchmark_out="$tmp/small-$platform-memory.json" --benchmark_out_format=json ||
            echo "compare: the memory benchmark failed ($?)"
    done

    local vips_small_ms
    vips_small_ms=$(spread_vips "$small3000" 3000 133x100 "")
    echo
    echo "vipsthumbnail -s 133x100, 3000 files of 640x480 spread over $cores processes: $vips_small_ms ms per photo (median of 3 batches)"

    echo
    echo "== Goals, folders of small photos"
    local path name ms1500 ms3000 ms6000 per_photo
    for platform in offscreen xcb; do
        for path in BM_FolderLoadingPerPhoto BM_HandedOverFolderPerPhoto; do
            [[ $path == BM_FolderLoadingPerPhoto ]] && name="dialog" || name="handed over"
            ms1500=$(field "$tmp/small-$platform-$(basename "$small1500").json" $path real_time)
            ms3000=$(field "$tmp/small-$platform-$(basename "$small3000").json" $path real_time)
            ms6000=$(field "$tmp/small-$platform-$(basename "$small6000").json" $path real_time)
            goal "$platform, $name, 3000 small vs spread vipsthumbnail" "$ms3000" ms - "$vips_small_ms" 1.00
            goal "$platform, $name, 6000 small vs 1500 small" "$ms6000" ms - "$ms1500" 1.15
        done
        per_photo=$(field "$tmp/small-$platform-memory.json" BM_MemoryForManyPhotos KB_per_photo)
        goal "$platform, peak memory per listed small photo" "$per_photo" KB 64
    done
}
if [[ $only == small ]]; then
    small_photos
    exit 0
fi

echo
echo "== Tessivo (one core)"
TESSIVO_BENCH_PHOTOS="$photos" TESSIVO_BENCH_LARGE="$large" $pin "$bin/tessivo_bench" \
    --benchmark_filter='BM_FolderLoadingPerPhoto|BM_SelectPhoto|BM_LiveResizeRepaint|BM_SavePerPhoto/20|BM_Rename1000' \
    --benchmark_out="$tmp/timing.json" --benchmark_out_format=json ||
    echo "compare: the benchmarks failed ($?)"
# The memory peak is the process's own: measured in a process of its own.
TESSIVO_BENCH_MANY="$many" $pin "$bin/tessivo_bench" --benchmark_filter=BM_MemoryForManyPhotos \
    --benchmark_out="$tmp/memory.json" --benchmark_out_format=json ||
    echo "compare: the memory benchmark failed ($?)"

echo
echo "== Tessivo (all $cores cores)"
# Folder loading with every core, of the 40 photos and of 200; and the 200 on one core, to compare with.
loading() { # photo folder, results file, then the command's prefix (taskset) if any
    local folder=$1 out=$2
    shift 2
    TESSIVO_BENCH_PHOTOS="$folder" "$@" "$bin/tessivo_bench" --benchmark_filter=BM_FolderLoadingPerPhoto \
        --benchmark_out="$out" --benchmark_out_format=json ||
        echo "compare: the loading benchmark failed ($?)"
}
loading "$photos" "$tmp/all$n.json"
loading "$photos200" "$tmp/all$n200.json"
echo "(the $n200 photos on one core)"
# shellcheck disable=SC2086
loading "$photos200" "$tmp/one$n200.json" $pin
# Save Selected of the 40 photos with every core, and on one core to compare with.
saving() { # results file, then the command's prefix (taskset) if any
    local out=$1
    shift
    TESSIVO_BENCH_PHOTOS="$photos" "$@" "$bin/tessivo_bench" --benchmark_filter="BM_SavePerPhoto/$n/" \
        --benchmark_out="$out" --benchmark_out_format=json ||
        echo "compare: the saving benchmark failed ($?)"
}
saving "$tmp/save-all$n.json"
echo "(saving the $n photos on one core)"
# shellcheck disable=SC2086
saving "$tmp/save-one$n.json" $pin
# The memory peak with every core decoding, in a process of its own.
TESSIVO_BENCH_MANY="$many" "$bin/tessivo_bench" --benchmark_filter=BM_MemoryForManyPhotos \
    --benchmark_out="$tmp/all-memory.json" --benchmark_out_format=json ||
    echo "compare: the memory benchmark failed ($?)"

load_ms=$(field "$tmp/timing.json" BM_FolderLoadingPerPhoto real_time)
first_ms=$(field "$tmp/timing.json" BM_SelectPhotoFirstTime real_time)
again_ms=$(field "$tmp/timing.json" BM_SelectPhotoAgain real_time)
p95_ms=$(field "$tmp/timing.json" BM_LiveResizeRepaint p95_ms)
median_ms=$(field "$tmp/timing.json" BM_LiveResizeRepaint median_ms)
rise_mb=$(field "$tmp/memory.json" BM_MemoryForManyPhotos peak_rise_MB)
save_ms=$(field "$tmp/timing.json" BM_SavePerPhoto/20 real_time)
all_save_ms=$(field "$tmp/save-all$n.json" BM_SavePerPhoto/$n real_time)
one_save_ms=$(field "$tmp/save-one$n.json" BM_SavePerPhoto/$n real_time)
rename_ms=$(field "$tmp/timing.json" BM_Rename1000 real_time)
all_load_ms=$(field "$tmp/all$n.json" BM_FolderLoadingPerPhoto real_time)
all_load200_ms=$(field "$tmp/all$n200.json" BM_FolderLoadingPerPhoto real_time)
load200_ms=$(field "$tmp/one$n200.json" BM_FolderLoadingPerPhoto real_time)
all_rise_mb=$(field "$tmp/all-memory.json" BM_MemoryForManyPhotos peak_rise_MB)

echo
echo "== Reference tools (one core)"
# vipsthumbnail takes the whole folder in one process: its start-up is shared by the n photos.
batches=""
for run in 1 2 3; do
    rm -rf "$tmp/vips" && mkdir "$tmp/vips"
    start=$(now)
    $pin vipsthumbnail -s 133x100 -o "$tmp/vips/%s.jpg" "$photos"/*.jpg
    batches+="$(( $(now) - start ))"$'\n'
done
vips_thumb_ms=$(printf '%s' "$batches" | median | awk -v n="$n" '{ printf "%.3f", $1 / n / 1e6 }')
echo "vipsthumbnail -s 133x100, $n files in one process: $vips_thumb_ms ms per photo (median of 3 batches)"

mkdir "$tmp/im"
start=$(now)
for file in "$photos"/*.jpg; do
    $pin convert "$file" -thumbnail 133x100 "$tmp/im/$(basename "$file")"
done
im_thumb_ms=$(awk -v t="$(( $(now) - start ))" -v n="$n" 'BEGIN { printf "%.3f", t / n / 1e6 }')
echo "convert FILE -thumbnail 133x100, one process per file: $im_thumb_ms ms per photo"

runs=""
for run in $(seq 11); do
    start=$(now)
    $pin vipsthumbnail -s 586x431 -o "$tmp/preview.jpg" "$one"
    runs+="$(( $(now) - start ))"$'\n'
done
vips_preview_ms=$(printf '%s' "$runs" | median | awk '{ printf "%.3f", $1 / 1e6 }')
echo "vipsthumbnail -s 586x431, one file: $vips_preview_ms ms (median of 11)"

# Saving: the first 20 photos fitted into the preview's stored size, written as JPEG at quality 90.
twenty=$(ls "$photos"/*.jpg | head -n 20)
batches=""
for run in 1 2 3; do
    rm -rf "$tmp/vsave" && mkdir "$tmp/vsave"
    start=$(now)
    # shellcheck disable=SC2086
    $pin vipsthumbnail -s 586x431 -o "$tmp/vsave/%s.jpg[Q=90]" $twenty
    batches+="$(( $(now) - start ))"$'\n'
done
vips_save_ms=$(printf '%s' "$batches" | median | awk '{ printf "%.3f", $1 / 20 / 1e6 }')
echo "vipsthumbnail -s 586x431 Q=90, 20 files in one process: $vips_save_ms ms per photo (median of 3 batches)"

mkdir "$tmp/imsave"
start=$(now)
for file in $twenty; do
    $pin convert "$file" -resize 586x431 -quality 90 "$tmp/imsave/$(basename "$file")"
done
im_save_ms=$(awk -v t="$(( $(now) - start ))" 'BEGIN { printf "%.3f", t / 20 / 1e6 }')
echo "convert FILE -resize 586x431 -quality 90, one process per file: $im_save_ms ms per photo"

echo
echo "== Reference tools (all $cores cores)"
vips_spread_ms=$(spread_vips "$photos" "$n" 133x100 "")
echo "vipsthumbnail -s 133x100, $n files spread over $cores processes: $vips_spread_ms ms per photo (median of 3 batches)"
vips_spread200_ms=$(spread_vips "$photos200" "$n200" 133x100 "")
echo "vipsthumbnail -s 133x100, $n200 files spread over $cores processes: $vips_spread200_ms ms per photo (median of 3 batches)"
vips_spread_save_ms=$(spread_vips "$photos" "$n" 586x431 "[Q=90]")
echo "vipsthumbnail -s 586x431 Q=90, $n files spread over $cores processes: $vips_spread_save_ms ms per photo (median of 3 batches)"

echo
echo "== Goals"
goal "folder loading per photo vs vipsthumbnail 133x100" "$load_ms" ms - "$vips_thumb_ms" 0.85
goal "folder loading per photo vs convert -thumbnail" "$load_ms" ms - "$im_thumb_ms" 0.30
goal "all-core loading of $n vs spread vipsthumbnail" "$all_load_ms" ms - "$vips_spread_ms" 0.95
goal "all-core loading of $n vs own one-core loading" "$all_load_ms" ms - "$load_ms" 0.30
goal "all-core loading of $n200 vs spread vipsthumbnail" "$all_load200_ms" ms - "$vips_spread200_ms" 0.95
goal "all-core loading of $n200 vs own one-core loading" "$all_load200_ms" ms - "$load200_ms" 0.30
goal "selecting a photo until painted, first time" "$first_ms" ms - "$vips_preview_ms" 0.65
goal "selecting a photo until painted, again" "$again_ms" ms - "$vips_preview_ms" 0.65
goal "live resize of 24 MP, 95th percentile paint" "$p95_ms" ms 3
if [[ -n $median_ms ]]; then
    printf '%-52s %9.3f ms\n' "live resize of 24 MP, median paint" "$median_ms"
fi
goal "peak resident memory rise for 500 photos" "$rise_mb" MB 120
goal "the same, all cores" "$all_rise_mb" MB 120
goal "saving per photo vs vipsthumbnail 586x431" "$save_ms" ms - "$vips_save_ms" 0.70
goal "saving per photo vs convert -resize 586x431" "$save_ms" ms - "$im_save_ms" 0.12
goal "all-core saving of $n vs spread vipsthumbnail 586x431" "$all_save_ms" ms - "$vips_spread_save_ms" 0.95
goal "all-core saving of $n vs own one-core saving" "$all_save_ms" ms - "$one_save_ms" 0.30
goal "renaming 1000 listed files" "$rename_ms" ms 1000

small_photos
exit 0
