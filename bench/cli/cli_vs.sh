#!/usr/bin/env bash
# quarnel-cli against dc and python3 doing the same arithmetic on the same
# scripts: N operations cycling + and * (and + * XOR) at 64 and 128 bits,
# N values pushed with ENT, and one long typed token. Every script comes in
# two layouts: all tokens on one line (quarnel-cli prints its display once)
# and one token a line (the display after every line). python3 masks its
# integers to the word size (masked_rpn.py --last) and dc reduces each result
# with % (XOR is a bit-by-bit macro); both print the result once, at the end. Prints each program's median wall time
# and the ratios; the programs run in turn, so a drifting machine slows all.
#
#   bench/cli/cli_vs.sh [--cli PATH] [--sizes 1000,100000,1000000] [--token N]
#                       [--runs N] [--dir DIR] [--only REGEX] [--dc-max N]
#                       [--python PATH] [--generate-only]
#
# --only runs the cases whose name matches (e.g. 'addmul-64-1000000');
# --dc-max skips dc for XOR scripts above that many operations (its macro
# takes minutes there); --generate-only writes the inputs and stops, so
# another timer can run them: quarnel-cli < X.txt, python3 masked_rpn.py
# --last < X.txt, dc X.dc. python3 is run as the interpreter itself, not through a
# wrapper script that may stand first in PATH (whose start-up is slow).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=$here/../../build/src/cli/quarnel-cli
sizes=1000,100000,1000000
token=300000
runs=3
dir=${TMPDIR:-/tmp}/quarnel-cli-vs
only=.
dc_max=100000
generate_only=0
python=
while [ $# -gt 0 ]; do
    case $1 in
    --cli) cli=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --token) token=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --dc-max) dc_max=$2; shift 2 ;;
    --python) python=$2; shift 2 ;;
    --generate-only) generate_only=1; shift ;;
    *) echo "cli_vs.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

stamp="$sizes $token"
if [ "$(cat "$dir/.made" 2>/dev/null)" != "$stamp" ]; then
    echo "writing the scripts to $dir ..." >&2
    rm -rf "$dir"
    python3 "$here/make_inputs.py" "$dir" --sizes "$sizes" --token "$token"
    echo "$stamp" > "$dir/.made"
fi
[ "$generate_only" = 1 ] && exit 0
[ -x "$cli" ] || { echo "cli_vs.sh: no quarnel-cli at $cli (give --cli)" >&2; exit 2; }
[ -n "$python" ] || python=$(python3 -c 'import sys; print(sys.executable)')
have_dc=1
command -v dc > /dev/null || have_dc=0

# Seconds one run takes: the command, its input from $1, output thrown away.
seconds() {
    local input=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" < "$input" > /dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000)) | awk '{ printf "%.3f\n", $1 / 1000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b == "-" || b + 0 == 0) print "-"; else printf "%.2f\n", a / b }'
}

printf '%-26s %-6s %9s %9s %9s %10s %10s\n' case layout cli_s python_s dc_s cli/python cli/dc
for txt in "$dir"/*.txt; do
    name=$(basename "$txt" .txt)
    [[ $name =~ $only ]] || continue
    case=${name%.*}
    layout=${name##*.}
    ops=${case##*-}
    use_dc=$have_dc
    if [[ $case == addmulxor-* ]] && [ "$ops" -gt "$dc_max" ]; then
        use_dc=0
    fi
    : > "$dir/.cli" ; : > "$dir/.py" ; : > "$dir/.dc"
    for _ in $(seq "$runs"); do
        seconds "$txt" "$cli" >> "$dir/.cli"
        seconds "$txt" "$python" "$here/masked_rpn.py" --last >> "$dir/.py"
        if [ "$use_dc" = 1 ]; then
            seconds /dev/null dc "$dir/$name.dc" >> "$dir/.dc"
        fi
    done
    c=$(median < "$dir/.cli")
    p=$(median < "$dir/.py")
    d=-
    [ "$use_dc" = 1 ] && d=$(median < "$dir/.dc")
    printf '%-26s %-6s %9s %9s %9s %10s %10s\n' "$case" "$layout" "$c" "$p" "$d" \
        "$(ratio "$c" "$p")" "$(ratio "$c" "$d")"
done
