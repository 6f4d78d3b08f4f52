#!/usr/bin/env bash
# Runs the built quintaval-convert end to end: standard streams and files,
# the summary, the exit statuses, and no progress output off a terminal.
set -u
bin="${1:?usage: cli_test.sh PATH-TO-quintaval-convert}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() { # name, condition...
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name" >&2; fi
}

printf 'id,raw,mean,sd\r\n1,115,100,15\r\n2,150,100,15\r\n3,5,5,0\r\n' > "$work/in.csv"
expected=$'id,raw,mean,sd,z,t,wechsler,nce,ceeb,agct,percentile,note\r
1,115,100,15,+1.0,60,115,71,600,120,84,\r
2,150,100,15,+3.33,83,150,99*,800*,167,99*,\r
3,5,5,0,,,,,,,,The raw score sd must be greater than 0.\r'

"$bin" "$work/in.csv" > "$work/out.csv" 2> "$work/err"
check "file to standard output exits 0" test $? -eq 0
check "file to standard output" test "$(cat "$work/out.csv")" == "$expected"
check "one summary line, no progress" \
    test "$(cat "$work/err")" == "quintaval-convert: 2 rows converted, 1 refused, 0 malformed"

"$bin" -o "$work/out2.csv" < "$work/in.csv" 2> /dev/null
check "standard input to -o exits 0" test $? -eq 0
check "standard input to -o" cmp -s "$work/out.csv" "$work/out2.csv"

cat "$work/in.csv" | "$bin" - --output="$work/out3.csv" 2> /dev/null
check "pipe to --output" cmp -s "$work/out.csv" "$work/out3.csv"

"$bin" --help > "$work/help" 2> /dev/null
check "--help exits 0" test $? -eq 0
check "--help shows usage" grep -q '^Usage: quintaval-convert' "$work/help"
check "--help lists the options" grep -q -- '--decimal-comma' "$work/help"
check "--help lists --from" grep -q -- '--from COLUMN' "$work/help"

"$bin" "$work/in.csv" -o - > "$work/out4.csv" 2> /dev/null
check "-o - is standard output" cmp -s "$work/out.csv" "$work/out4.csv"
check "--version" test "$("$bin" --version)" != ""

printf 'id,score\n1,2\n' | "$bin" > /dev/null 2> "$work/err"
check "header without score columns exits 2" test $? -eq 2
check "usage error lists the columns" grep -q 'raw, mean, sd, z, t, wechsler, nce, ceeb, agct, percentile' "$work/err"

"$bin" --bogus < /dev/null > /dev/null 2>&1
check "unknown option exits 2" test $? -eq 2

"$bin" "$work/missing.csv" > /dev/null 2> "$work/err"
check "missing input exits 1" test $? -eq 1
check "missing input says why" grep -q 'cannot open .*missing.csv' "$work/err"

"$bin" "$work" > /dev/null 2> "$work/err"
check "a folder as input exits 1" test $? -eq 1

if [[ -w /dev/full ]]; then
    "$bin" "$work/in.csv" > /dev/full 2> "$work/err"
    check "full disk exits 1" test $? -eq 1
    check "full disk says why" grep -q 'cannot write standard output' "$work/err"
fi

printf 'z\n1\n' > "$work/same.csv"
"$bin" "$work/same.csv" -o "$work/same.csv" > /dev/null 2>&1
check "output onto the input exits 2" test $? -eq 2
check "input left intact" test "$(cat "$work/same.csv")" == $'z\n1'

# Appending to the input would read back its own rows until the disk is full.
ln "$work/same.csv" "$work/hard.csv"
ln -s "$work/same.csv" "$work/soft.csv"
timeout 10 "$bin" "$work/same.csv" >> "$work/same.csv" 2> "$work/err"
check "appending to the named input exits 2" test $? -eq 2
check "appending to the input says why" grep -q 'the output is the input file itself' "$work/err"
timeout 10 "$bin" < "$work/same.csv" >> "$work/same.csv" 2> /dev/null
check "appending to standard input exits 2" test $? -eq 2
timeout 10 "$bin" "$work/soft.csv" >> "$work/hard.csv" 2> /dev/null
check "appending through links exits 2" test $? -eq 2
timeout 10 "$bin" "$work/hard.csv" -o "$work/soft.csv" > /dev/null 2>&1
check "-o through a link exits 2" test $? -eq 2
check "input still intact" test "$(cat "$work/same.csv")" == $'z\n1'

printf '\xff\xfez\x00\n\x001\x00\n\x00' > "$work/utf16.csv"
"$bin" "$work/utf16.csv" > "$work/out5.csv" 2> "$work/err"
check "UTF-16 input exits 2" test $? -eq 2
check "UTF-16 input says it must be UTF-8" grep -q 'UTF-16; it must be UTF-8' "$work/err"
check "UTF-16 input writes nothing" test ! -s "$work/out5.csv"

# --interpret: the worked example end to end, a reliability column beside
# the option, a descriptor file, and bad options refused before any output.
printf 'id,wechsler,reliability\n1,115,.90\n2,115,\n3,115,2\n' > "$work/rel.csv"
printf 'from,label\n110,Upper\n90,Middle\n' > "$work/bands.csv"
expected='id,wechsler,reliability,z,t,nce,ceeb,agct,percentile,scaled,stanine,sten,percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,ci_percentile_high,note
1,115,.90,+1.0,60,71,600,120,84,13,7,8,84,Upper,106,124,65,95,
2,115,,+1.0,60,71,600,120,84,13,7,8,84,Upper,106,124,65,95,
3,115,2,,,,,,,,,,,,,,,,"reliability: ""2"": The reliability must be greater than 0 and less than 1."'
"$bin" --interpret --ci-method obtained --descriptors "$work/bands.csv" --reliability .9 \
    "$work/rel.csv" > "$work/out6.csv" 2> "$work/err"
check "--interpret exits 0" test $? -eq 0
check "--interpret output" test "$(cat "$work/out6.csv")" == "$expected"
check "--interpret summary" \
    test "$(cat "$work/err")" == "quintaval-convert: 2 rows converted, 1 refused, 0 malformed"
check "--interpret defaults: true-score, aacn" \
    test "$("$bin" --interpret "$work/rel.csv" 2> /dev/null | sed -n 2p)" \
    == "1,115,.90,+1.0,60,71,600,120,84,13,7,8,84,High Average,105,122,62,93,"
check "--help lists --reliability" grep -q -- '--reliability R' "$work/help"

printf 'from,label\n100,Mid\nx,Low\n' > "$work/badbands.csv"
for options in "--interpret --reliability 1" "--interpret --confidence 100" \
               "--interpret --ci-method sem" "--interpret --ci-scale iq" \
               "--interpret --descriptors $work/badbands.csv" "--reliability .9"; do
    "$bin" $options "$work/rel.csv" -o "$work/never.csv" > "$work/out7.csv" 2> "$work/err"
    check "$options exits 2" test $? -eq 2
    check "$options writes nothing" test ! -e "$work/never.csv" -a ! -s "$work/out7.csv"
done
"$bin" --interpret --descriptors "$work/badbands.csv" "$work/rel.csv" > /dev/null 2> "$work/err"
check "a bad descriptor file names the line" grep -q 'badbands.csv: line 3: "x"' "$work/err"

: > "$work/empty.csv"
"$bin" "$work/empty.csv" > /dev/null 2>&1
check "empty input exits 2" test $? -eq 2

echo "$passed passed, $failed failed"
test "$failed" -eq 0
