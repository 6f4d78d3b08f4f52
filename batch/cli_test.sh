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

# Data for other programs: the same bytes and words under a German desktop.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de "$bin" "$work/in.csv" > "$work/out-de.csv" 2> "$work/err-de"
check "a German locale changes nothing" cmp -s "$work/out.csv" "$work/out-de.csv"
check "a German locale changes no message" cmp -s "$work/err" "$work/err-de"

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

# --profile: the README's battery end to end, the other tables, options
# refused before any output, and never writing onto the correlations file.
cat > "$work/battery.csv" <<'EOF'
person,name,scale,score,reliability,retest,group
Ada,Vocabulary,scaled,13,.90,,Verbal
Ada,Similarities,scaled,12,.86,,Verbal
Ada,Block Design,scaled,7,.86,,Perceptual
Ada,Matrix Reasoning,scaled,8,.90,,Perceptual
Ada,Processing Speed,wechsler,78,.88,92,
Ben,Vocabulary,scaled,10,.90,,Verbal
Ben,Similarities,scaled,n/a,.86,,Verbal
Ben,Block Design,t,44,.86,,Perceptual
EOF
cat > "$work/correlations.csv" <<'EOF'
name,Vocabulary,Similarities,Block Design,Matrix Reasoning,Processing Speed
Vocabulary,1
Similarities,.74,1
Block Design,.45,.48,1
Matrix Reasoning,.50,.51,.55,1
Processing Speed,.30,.32,.40,.38,1
EOF
expected='person,name,scale,score,reliability,retest,group,wechsler,percentile_rank,descriptor,ci_low,ci_high,deviation,deviation_critical,strength_weakness,deviation_base_rate,deviation_base_rate_either,rci,change,note
Ada,Vocabulary,scaled,13,.90,,Verbal,115,84,High Average,105,122,19.4,8.53,S,1.7,3.5,,,
Ada,Similarities,scaled,12,.86,,Verbal,110,75,High Average,98,119,14.4,9.67,S,5.2,10.5,,,
Ada,Block Design,scaled,7,.86,,Perceptual,85,16,Low Average,77,97,-10.6,9.67,W,13.7,27.5,,,
Ada,Matrix Reasoning,scaled,8,.90,,Perceptual,90,25,Average,82,100,-5.6,8.53,,27.6,55.2,,,
Ada,Processing Speed,wechsler,78,.88,92,,78,7,Below Average,71,90,-17.6,9.11,W,6.7,13.3,1.91,no reliable change,
Ben,Vocabulary,scaled,10,.90,,Verbal,100,50,Average,91,109,,,,,,,,computed without line 8
Ben,Similarities,scaled,n/a,.86,,Verbal,,,,,,,,,,,,,"score: ""n/a"" is not a number"
Ben,Block Design,t,44,.86,,Perceptual,91,27,Average,82,102,,,,,,,,computed without line 8'
"$bin" --profile --correlations "$work/correlations.csv" "$work/battery.csv" \
    -o "$work/scores.csv" 2> "$work/err"
check "--profile exits 0" test $? -eq 0
check "--profile score table" test "$(cat "$work/scores.csv")" == "$expected"
check "--profile summary" test "$(cat "$work/err")" == "quintaval-convert: 7 rows converted, 1 refused, 0 malformed
quintaval-convert: 2 people"
"$bin" --profile --correlations "$work/correlations.csv" "$work/scores.csv" > "$work/again.csv" 2> /dev/null
check "--profile of its own output changes nothing" cmp -s "$work/scores.csv" "$work/again.csv"
"$bin" --profile --pairs --correlations "$work/correlations.csv" "$work/battery.csv" \
    > "$work/pairs.csv" 2> "$work/err"
check "--pairs exits 0" test $? -eq 0
check "--pairs writes every pair" test "$(wc -l < "$work/pairs.csv")" -eq 12
check "--pairs row" grep -qx 'Ada,Vocabulary,Matrix Reasoning,115,90,25,6.71,13.15,yes,4.8,9.6,<.001,,none' "$work/pairs.csv"
"$bin" --profile --pairs --pairs-correction holm --correlations "$work/correlations.csv" \
    "$work/battery.csv" > "$work/holm.csv" 2> /dev/null
check "--pairs-correction holm leaves the critical value empty" grep -qx \
    'Ada,Similarities,Matrix Reasoning,110,90,20,7.35,,yes,8.9,17.8,.007,.033,holm' "$work/holm.csv"
"$bin" --profile --summary --low-cutoff 20 --correlations "$work/correlations.csv" "$work/battery.csv" \
    > "$work/summary.csv" 2> "$work/err"
check "--summary" test "$(cat "$work/summary.csv")" == 'person,set,scores,low_cutoff,low_count,low_base_rate,mahalanobis,mahalanobis_df,mahalanobis_rate,pairs_tested,pairs_significant,note
Ada,,5,20,2,27.4,6.14,5,29.3,10,6,
Ben,,2,20,0,100.0,0.45,2,79.8,1,0,computed without line 8'
check "--summary counts its sets" grep -qx 'quintaval-convert: 2 people, 2 sets summarised' "$work/err"
check "--pairs tells the refused row" \
    grep -qx 'quintaval-convert: line 8: score: "n/a" is not a number' "$work/err"
"$bin" --profile --composites --correlations "$work/correlations.csv" "$work/battery.csv" \
    > "$work/composites.csv" 2> /dev/null
check "--composites" test "$(sed -n 2p "$work/composites.csv")" \
    == "Ada,Verbal,Vocabulary+Similarities,113,81,High Average,.931,105,120"

# --wide from a pipe: a row per person, Ben's missing scores empty.
cat "$work/battery.csv" | "$bin" --profile --wide --correlations "$work/correlations.csv" - \
    > "$work/wide.csv" 2> "$work/err"
check "--wide exits 0" test $? -eq 0
check "--wide writes a row per person" test "$(wc -l < "$work/wide.csv")" -eq 3
check "--wide names a column per score and figure" \
    grep -q '^person,Vocabulary_wechsler,Vocabulary_percentile_rank,.*,Processing Speed_change,note$' "$work/wide.csv"
check "--wide leaves a missing score empty" \
    grep -qx 'Ben,100,50,Average,91,109,,,,,,,,,,,,,,,,,,,,91,27,Average,82,102,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"line 8: score: ""n/a"" is not a number; computed without line 8"' \
    "$work/wide.csv"
TMPDIR="$work/nowhere" "$bin" --profile --wide "$work/battery.csv" -o "$work/never.csv" 2> "$work/err"
check "--wide without a temporary folder exits 1" test $? -eq 1
check "--wide without a temporary folder writes nothing" test ! -e "$work/never.csv"
check "--wide without a temporary folder says so" grep -q 'cannot hold the rows back in a temporary file' "$work/err"

printf 'name,A\nA,1\nB,.3\n' > "$work/badcorrelations.csv"
for options in "--profile --metric iq" "--profile --alpha .5" "--profile --pairs --composites" \
               "--profile --summary --pairs" "--profile --low-cutoff 50" "--profile --low-cutoff x" \
               "--profile --pairs-correction sidak" "--summary" "--low-cutoff 10" \
               "--pairs" "--bonferroni" "--wide" "--profile --composites --wide" "--profile --interpret" "--profile --reliability .9" \
               "--profile --correlations $work/badcorrelations.csv" \
               "--profile --correlations $work/nothing.csv"; do
    "$bin" $options "$work/battery.csv" -o "$work/never.csv" > "$work/out8.csv" 2> "$work/err"
    check "$options exits 2" test $? -eq 2
    check "$options writes nothing" test ! -e "$work/never.csv" -a ! -s "$work/out8.csv"
done
"$bin" --profile --correlations "$work/badcorrelations.csv" "$work/battery.csv" > /dev/null 2> "$work/err"
check "a bad correlation file names the line and cell" \
    grep -q 'badcorrelations.csv: line 3, cell 1: "B" is not named in the header' "$work/err"
cp "$work/correlations.csv" "$work/kept.csv"
"$bin" --profile --correlations "$work/correlations.csv" "$work/battery.csv" \
    -o "$work/correlations.csv" > /dev/null 2> /dev/null
check "-o onto the correlations exits 2" test $? -eq 2
timeout 10 "$bin" --profile --correlations "$work/correlations.csv" "$work/battery.csv" \
    >> "$work/correlations.csv" 2> /dev/null
check "appending to the correlations exits 2" test $? -eq 2
check "the correlations are left intact" cmp -s "$work/correlations.csv" "$work/kept.csv"
# Each option of a profile with its default, as --help words it.
flat="$(tr -s ' \n' '  ' < "$work/help")"
for option in '--profile .* apply [(]default: off' '--pairs ' '--composites ' \
              '--metric METRIC [^(]*[(]default: wechsler' '--alpha A [^(]*[(]default: [.]05' \
              '--bonferroni [^(]*[(]default: off' '--wide [^(]*[(]default: off' '--correlations FILE [^(]*[(]default: none' \
              '--summary .*low_base_rate' '--low-cutoff P [^(]*[(]default: 5[)]' \
              '--pairs-correction C [^(]*[(]default: none' 'base_rate_either in either direction'; do
    check "--help documents ${option%% *}" grep -qE -- "$option" <<< "$flat"
done

: > "$work/empty.csv"
"$bin" "$work/empty.csv" > /dev/null 2>&1
check "empty input exits 2" test $? -eq 2

# -o is written whole or not at all: an interrupted or failed run leaves
# the old file as it was, with its permissions, and nothing beside it.
printf 'old\n' > "$work/kept.csv"
chmod 640 "$work/kept.csv"
left_over() { ls -A "$work" | grep -c '^\.kept\.csv\.' ; }
# A background job of a script ignores SIGINT unless it is given back.
undo_ignore='import os, signal, sys; signal.signal(signal.SIGINT, signal.SIG_DFL); os.execv(sys.argv[1], sys.argv[1:])'
for signal in INT TERM HUP; do
    rm -f "$work/fifo"; mkfifo "$work/fifo"
    python3 -c "$undo_ignore" "$bin" "$work/fifo" -o "$work/kept.csv" 2> /dev/null &
    pid=$!
    exec 3> "$work/fifo"
    printf 'id,z\n1,1\n' >&3
    for _ in $(seq 100); do [[ $(left_over) -gt 0 ]] && break; sleep 0.05; done
    check "SIG$signal: the new file is being written" test "$(left_over)" -gt 0
    kill -s "$signal" "$pid"
    { wait "$pid"; } 2> /dev/null
    status=$?
    exec 3>&-
    check "SIG$signal ends the run by the signal" test "$status" -gt 128
    check "SIG$signal leaves the old file" test "$(cat "$work/kept.csv")" == old
    check "SIG$signal leaves nothing beside it" test "$(left_over)" -eq 0
done
awk 'BEGIN { print "id,z"; for (i = 0; i < 100000; i++) print i ",1.5" }' > "$work/big.csv"
( trap '' XFSZ; ulimit -f 64; "$bin" "$work/big.csv" -o "$work/kept.csv" ) > /dev/null 2> "$work/err"
check "a write error exits 1" test $? -eq 1
check "a write error says why" grep -q 'cannot write .*kept.csv: File too large' "$work/err"
check "a write error leaves the old file" test "$(cat "$work/kept.csv")" == old
check "a write error leaves nothing beside it" test "$(left_over)" -eq 0
"$bin" "$work/in.csv" -o "$work/kept.csv" 2> /dev/null
check "a finished run replaces the file" cmp -s "$work/kept.csv" "$work/out.csv"
check "the file keeps its permissions" test "$(stat -c %a "$work/kept.csv")" == 640
ln -s kept.csv "$work/kept-link.csv"
"$bin" "$work/in.csv" -o "$work/kept-link.csv" 2> /dev/null
check "-o through a link keeps the link" test -L "$work/kept-link.csv"
"$bin" "$work/in.csv" -o /dev/null 2> /dev/null
check "-o /dev/null is written, not replaced" test $? -eq 0 -a -c /dev/null

# Every file the run reads is safe from -o, the descriptor file too.
cp "$work/bands.csv" "$work/bands-copy.csv"
"$bin" --interpret --descriptors "$work/bands.csv" "$work/rel.csv" -o "$work/bands.csv" \
    > /dev/null 2> "$work/err"
check "-o onto the descriptor file exits 2" test $? -eq 2
check "-o onto the descriptor file says so" grep -q 'the output is the --descriptors file' "$work/err"
check "the descriptor file is intact" cmp -s "$work/bands.csv" "$work/bands-copy.csv"

timeout 20 "$bin" /dev/zero > "$work/out8.csv" 2> "$work/err"
check "a header without a line break exits 1" test $? -eq 1
check "a header without a line break says so" grep -q 'first line runs past 1 MB without a line break' "$work/err"

printf 'id,wechsler,reliabilty\n1,115,.9\n' > "$work/misspelt.csv"
"$bin" --interpret --confidence 90 "$work/misspelt.csv" > /dev/null 2> "$work/err"
check "an interval option without any reliability exits 0" test $? -eq 0
check "an interval option without any reliability warns" \
    grep -q -- '--confidence had no effect: no row had a reliability' "$work/err"

# SPSS files: the worked example, and a file that cannot be read twice.
printf 'id,wechsler,reliability\n1,115,.9\n2,70,\n' > "$work/study.csv"
"$bin" "$work/study.csv" -o "$work/study.sav" 2> /dev/null
"$bin" --interpret --from wechsler "$work/study.sav" -o "$work/study_scored.sav" 2> "$work/err"
check "an interpreted .sav exits 0" test $? -eq 0
check "an interpreted .sav holds every row" \
    test "$("$bin" "$work/study_scored.sav" --from wechsler 2> /dev/null | cut -d, -f1-4)" \
    == $'id,wechsler,reliability,z\n1,115,0.9,+1.0\n2,70,,-2.0'
cat "$work/study.sav" | "$bin" > /dev/null 2> "$work/err"
check "SPSS data through a pipe exits 2" test $? -eq 2
check "SPSS data through a pipe says to name the file" grep -q 'standard input is SPSS data; name the file' "$work/err"

# The README's worked examples of a retest study and of a control sample.
examples="$(dirname "$0")/../examples"
"$bin" --profile "$examples/retest-study.csv" 2> /dev/null | cut -d, -f2,23- > "$work/study.csv"
check "--profile with a retest study" test "$(cat "$work/study.csv")" == 'name,rci,change,predicted_retest,change_t,change_p,change_percent,change_percent_low,change_percent_high,note
Memory,2.67,reliable gain,91.90,3.61,0.0002,0.02,0.00,0.04,
Attention,1.78,reliable gain,91.90,1.98,0.0238,2.38,1.18,4.16,
Vocabulary,0.71,no reliable change,,,,,,,'
"$bin" --profile "$examples/controls.csv" 2> /dev/null | cut -d, -f2,20- > "$work/controls.csv"
check "--profile with control samples" test "$(cat "$work/controls.csv")" == 'name,case_t,case_df,case_p,case_zcc,case_zcc_low,case_zcc_high,case_percent,case_percent_low,case_percent_high,note
Naming,-1.724,27,0.0480,-1.75,-2.34,-1.15,4.80,0.96,12.44,
Fluency,-1.936,14,0.0366,-2.00,-2.88,-1.10,3.66,0.20,13.61,
Recall,1.171,19,0.1280,1.20,0.61,1.77,12.80,3.83,27.04,'
"$bin" --profile --change-method srb "$examples/retest-study.csv" 2> /dev/null | cut -d, -f2,25-27 > "$work/srb.csv"
check "--change-method srb" test "$(cat "$work/srb.csv")" == 'name,predicted_retest,change_z,change_p
Memory,91.90,3.64,0.0001
Attention,91.90,2.00,0.0227
Vocabulary,,,'

echo "$passed passed, $failed failed"
test "$failed" -eq 0
