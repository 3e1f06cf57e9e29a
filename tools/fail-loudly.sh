# Sourced first by every script of the project: strict mode, and a command whose failure ends
# the run names itself, with its script, line and the step of test.sh it belongs to, so that no
# run ever stops without saying why.
set -Eeuo pipefail
trap 'rutschbild_status=$?
echo "FAILED${RUTSCHBILD_STEP:+ in step \"$RUTSCHBILD_STEP\"}: ${BASH_SOURCE[0]##*/} line $LINENO: $BASH_COMMAND (exit status $rutschbild_status)" >&2' ERR
