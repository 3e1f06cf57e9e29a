# Sourced by the valgrind-* scripts. valgrind_run LOG PROGRAM [ARGS...] runs a program headless
# under valgrind's memory checker: any invalid access, use of uninitialised memory or definite
# leak fails it. Qt's caches that live until exit count as "still reachable", which is no error;
# the few blocks Qt and fontconfig never free are suppressed by valgrind-qt.supp.
valgrind_run() {
  local log=$1; shift
  QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=1 --num-callers=30 \
    --suppressions="$(dirname "${BASH_SOURCE[0]}")/valgrind-qt.supp" --log-file="$log" "$@"
}

# "definitely lost: ..., errors: ..." from a valgrind log.
valgrind_summary() {
  local lost suppressed errors
  lost=$(grep -o 'definitely lost: .*' "$1" | tail -1 || true)
  suppressed=$(grep -o 'suppressed: [0-9,]* bytes in [0-9,]* blocks' "$1" | tail -1 || true)
  errors=$(grep -o 'ERROR SUMMARY: [0-9]* errors' "$1" | tail -1 | awk '{ print $3 }' || true)
  echo "${lost:-definitely lost: 0 bytes in 0 blocks}, ${errors:-?} errors;" \
    "Qt's and fontconfig's own blocks ${suppressed:-suppressed: 0 bytes}"
}
