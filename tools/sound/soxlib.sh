# sox helpers shared by the effect and music generators (sourced, not run).

# Repeatable mode fixes the seeds of dither and noise, so a rerun writes identical files.
sox() {
  command sox -R "$@"
}

# stat FILE NAME: the overall value of a three-word `sox stats` line, e.g. "RMS lev dB".
stat() {
  sox "$1" -n stats -w 0.025 2>&1 | awk -v name="$2" 'index($0, name) == 1 { print $4 }'
}

# level IN OUT MEASURE TARGET_DB PEAK_DB: gains IN so that MEASURE ("RMS lev dB" for music,
# "RMS Pk dB" for short effects) reaches TARGET_DB, but never lets a peak pass PEAK_DB, so
# every file sits at one loudness without clipping.
level() {
  local in=$1 out=$2 measure=$3 target=$4 ceiling=$5
  local loudness peak gain
  loudness=$(stat "$in" "$measure")
  peak=$(stat "$in" "Pk lev dB")
  gain=$(awk -v t="$target" -v l="$loudness" -v c="$ceiling" -v p="$peak" \
    'BEGIN { g = t - l; if (p + g > c) g = c - p; printf "%.2f", g }')
  sox "$in" -b 16 "$out" gain "$gain"
}
