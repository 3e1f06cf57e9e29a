#!/usr/bin/env bash
# Jobs that run beside a script's foreground steps, each with its output kept in a log of its
# own. Sourced by bash scripts:
#   source tools/background.sh
#   background_start NAME COMMAND...   runs COMMAND in the background, at a lower priority
#   background_wait NAME [LINES]       waits for it; on success shows the last LINES lines of its
#                                      log (all without LINES), on failure the whole log, and
#                                      returns the job's status
# When the script ends before it waited for a job (a foreground step failed), the EXIT handler
# background_finish waits for what still runs and shows the log of each job that failed, so no
# failure in the background goes unseen. Call it from the script's own EXIT trap.
declare -A background_pids=() background_logs=()

background_start() { # NAME COMMAND...
  local name=$1
  shift
  background_logs[$name]=$(mktemp)
  nice -n "${RUTSCHBILD_BACKGROUND_NICE:-10}" "$@" >"${background_logs[$name]}" 2>&1 &
  background_pids[$name]=$!
}

background_wait() { # NAME [LINES]
  local name=$1 lines=${2:-} status=0 log=${background_logs[$1]}
  wait "${background_pids[$name]}" || status=$?
  unset "background_pids[$name]"
  if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "FAILED in the background: $name (exit status $status)" >&2
  elif [ -z "$lines" ]; then
    cat "$log"
  elif [ "$lines" -gt 0 ]; then
    tail -n "$lines" "$log"
  fi
  rm -f "$log"
  unset "background_logs[$name]"
  return "$status"
}

background_finish() {
  local name status
  for name in "${!background_pids[@]}"; do
    status=0
    wait "${background_pids[$name]}" || status=$?
    if [ "$status" -ne 0 ]; then
      echo "-- the background job \"$name\" failed too (exit status $status); its output:" >&2
      cat "${background_logs[$name]}" >&2
    fi
    rm -f "${background_logs[$name]}"
  done
  background_pids=()
  background_logs=()
}
