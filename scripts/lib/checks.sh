# A list of named checks that goes on past a failure and ends with one line
# per check. Sourced:
#   source scripts/lib/checks.sh
#   check NAME COMMAND...    # runs COMMAND, notes ok or its exit status
#   report_checks TITLE      # prints TITLE and the lines; exit 1 on a failure
check_names=()
check_results=()
check() {
  local status=0
  echo "== $1"
  "${@:2}" || status=$?
  check_names+=("$1")
  if [ "$status" -eq 0 ]; then check_results+=(ok); else check_results+=("FAILED (exit status $status)"); fi
}

report_checks() {
  local i failed=0
  echo
  echo "$1"
  for i in "${!check_names[@]}"; do
    printf '  %-68s %s\n' "${check_names[i]}" "${check_results[i]}"
    [ "${check_results[i]}" = ok ] || failed=1
  done
  exit "$failed"
}
