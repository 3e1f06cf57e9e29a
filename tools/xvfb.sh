#!/usr/bin/env bash
# A private Xvfb display. Sourced by bash scripts:
#   source tools/xvfb.sh; trap xvfb_stop EXIT; xvfb_start 800x600x24 -dpi 96
# starts Xvfb on a free display number, waits until it takes clients, exports DISPLAY and keeps
# its PID in xvfb_pid; xvfb_stop ends that one process again (safe to call twice, or never
# started). As a command, for Python and the like, it runs a command on such a display and stops
# the server afterwards, ending with the command's status:
#   tools/xvfb.sh SCREEN [XVFB_ARGUMENT...] -- COMMAND [ARGUMENT...]
xvfb_pid=

xvfb_start() { # SCREEN (e.g. 1280x1024x24) [XVFB_ARGUMENT...]
  local screen=$1 dir number status=0
  shift
  dir=$(mktemp -d)
  mkfifo "$dir/display"
  # Xvfb picks the first free number itself and writes it down once it takes clients. -noreset:
  # otherwise the server resets whenever its last client leaves, and a program that starts right
  # then cannot connect.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "$@" \
    3>"$dir/display" >"$dir/log" 2>&1 &
  xvfb_pid=$!
  read -r -t 20 number <"$dir/display" || status=$?
  if [ "$status" -ne 0 ] || [ -z "$number" ]; then
    echo "Xvfb did not start:" >&2
    tail -n 20 "$dir/log" >&2
    rm -rf "$dir"
    xvfb_stop
    return 1
  fi
  rm -rf "$dir"
  export DISPLAY=:$number
}

xvfb_stop() {
  [ -n "$xvfb_pid" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
  arguments=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do arguments+=("$1"); shift; done
  if [ ${#arguments[@]} -eq 0 ] || [ $# -lt 2 ]; then
    echo "Usage: ${0##*/} SCREEN [XVFB_ARGUMENT...] -- COMMAND [ARGUMENT...]" >&2
    exit 2
  fi
  shift
  # A signal ends the command too, by its PID, and then the server.
  command_pid=
  trap '[ -z "$command_pid" ] || kill "$command_pid" 2>/dev/null || true; xvfb_stop' EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  xvfb_start "${arguments[@]}"
  "$@" <&0 &
  command_pid=$!
  status=0
  wait "$command_pid" || status=$?
  command_pid=
  exit "$status"
fi
