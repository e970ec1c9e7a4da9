#!/usr/bin/env bash
# Listing and search benchmarks against the sqlite3 command line on the same
# file, natively and under Wine; each figure is the best of three runs.
#   tools/bench/run-benchmarks.sh [UNITS]     (default 100000)
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
units="${1:-100000}"
arch="$(wine_arch)"
dir="$BUILD/bench"
db="$dir/bench-$units.mdb"
export_test_odbc
mkdir -p "$dir"
[ -f "$db" ] || "$BUILD/native/tools/sampledb/vo-sampledb" --db "$db" --units "$units" >/dev/null
table="$(printf '单位信息' | iconv -f UTF-8 -t GBK)"
native="$BUILD/native/tools/bench/vo-bench-listing"
search_sql="$dir/search.sql"
"$native" "$db" --search "没有这个关键字" --print-statement > "$search_sql"

best() {  # command...: best wall time of three runs, and the largest peak memory (MB)
  local t m bt=999999 bm=0 i out
  out="$(mktemp)"
  for i in 1 2 3; do
    /usr/bin/time -o "$out" -f "%e %M" "$@" >/dev/null 2>&1 || true
    read -r t m < "$out"
    bt=$(awk -v a="$bt" -v b="$t" 'BEGIN{print (b<a)?b:a}')
    bm=$(awk -v a="$bm" -v b="$m" 'BEGIN{print (b>a)?b:a}')
  done
  rm -f "$out"
  echo "$bt $((bm / 1024))"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }

ensure_prefix "$arch" null
start_wineserver "$arch" null
trap 'stop_wineserver "$arch" null' EXIT
dos="Z:${db//\//\\}"
wexe() { echo "$BUILD/$arch/tools/bench/$1.exe"; }

read -r s_list s_list_mb < <(best sqlite3 "$db" "select * from $table")
read -r s_search _ < <(best sqlite3 "$db" ".read $search_sql")
read -r n_list n_list_mb < <(best "$native" "$db")
read -r n_name n_name_mb < <(best "$native" "$db" --by-name)
read -r n_search _ < <(best "$native" "$db" --search "没有这个关键字")
read -r w_list w_list_mb < <(best "$WINELOADER" "$(wexe vo-bench-listing)" "$dos")
read -r w_name w_name_mb < <(best "$WINELOADER" "$(wexe vo-bench-listing)" "$dos" --by-name)
read -r w_window w_window_mb < <(best "$WINELOADER" "$(wexe vo-bench-window)" "$dos")

printf '%s units; seconds (best of 3), peak MB, ratio to sqlite3\n' "$units"
printf 'sqlite3 select *                  %6s s %5s MB\n' "$s_list" "$s_list_mb"
printf 'sqlite3 72-term search, no match  %6s s\n' "$s_search"
printf 'native listing into rows          %6s s %5s MB  x%s\n' "$n_list" "$n_list_mb" "$(ratio "$n_list" "$s_list")"
printf 'native read field by name x72     %6s s %5s MB  x%s\n' "$n_name" "$n_name_mb" "$(ratio "$n_name" "$s_list")"
printf 'native search, no match           %6s s           x%s\n' "$n_search" "$(ratio "$n_search" "$s_search")"
printf 'wine listing into rows            %6s s %5s MB  x%s\n' "$w_list" "$w_list_mb" "$(ratio "$w_list" "$s_list")"
printf 'wine read field by name x72       %6s s %5s MB  x%s\n' "$w_name" "$w_name_mb" "$(ratio "$w_name" "$s_list")"
printf 'wine main window, whole process   %6s s %5s MB  x%s\n' "$w_window" "$w_window_mb" "$(ratio "$w_window" "$s_list")"
"$WINELOADER" "$(wexe vo-bench-window)" "$dos" 2>/dev/null
