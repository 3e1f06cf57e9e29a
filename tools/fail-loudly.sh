# Sourced first by every script of the project: strict mode, and a command whose failure ends
# the run names itself, with its script, line and the step of test.sh it belongs to, so that no
# run ever stops without saying why.
set -Eeuo pipefail
# $LINENO is read on the trap's first line: on its second it would count one too many.
trap 'rutschbild_status=$? rutschbild_line=$LINENO rutschbild_source=${BASH_SOURCE[0]:-$0}
echo "FAILED${RUTSCHBILD_STEP:+ in step \"$RUTSCHBILD_STEP\"}: ${rutschbild_source##*/} line $rutschbild_line: $BASH_COMMAND (exit status $rutschbild_status)" >&2' ERR

# quietly COMMAND...: the command's standard output is held back and shown only when it fails;
# its error output always comes through.
quietly() {
  local log status=0
  log=$(mktemp)
  "$@" >"$log" || status=$?
  [ "$status" -eq 0 ] || { echo "$* ended with status $status, after this output:" >&2; cat "$log" >&2; }
  rm -f "$log"
  return "$status"
}
