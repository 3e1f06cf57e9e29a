#!/usr/bin/env bash
# tools/check-hardening.sh on small programs built as the packaged one is and with one hardening
# flag taken away each time: it must pass the first and name what is missing in each other.
# Usage: tests/scripts/hardening-check.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A stack array and a copy of unknown length (what the stack protector and fortified libc
# guard), and a few dozen functions reached through pointers, as a real program has.
{
  echo '#include <cstdio>'
  echo '#include <cstring>'
  for i in $(seq 40); do echo "[[gnu::noinline]] int f$i(int x) { return x * $i; }"; done
  echo "int (*const table[])(int) = {$(seq -s, -f 'f%g' 40)};"
  cat <<'CPP'
int main(int argc, char** argv) {
  char name[64];
  std::strcpy(name, argc > 1 ? argv[1] : "Rutschbild");
  std::printf("%s %d\n", name, table[argc % 40](argc));
}
CPP
} >"$scratch/program.cpp"
all=(-O2 -fPIE -pie -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fcf-protection -Wl,-z,relro
     -Wl,-z,now)
build() { # NAME FLAGS...
  local name=$1
  shift
  g++ "$@" "$scratch/program.cpp" -o "$scratch/$name"
}
without() { # FLAG...: the full set less these
  local flag out=()
  for flag in "${all[@]}"; do
    [[ " $* " == *" $flag "* ]] || out+=("$flag")
  done
  printf '%s\n' "${out[@]}"
}

build hardened "${all[@]}"
tools/check-hardening.sh "$scratch/hardened" >/dev/null

failures=0
expect_refused() { # NAME WORDS-IN-THE-REASON FLAGS...
  local name=$1 reason=$2 message
  shift 2
  mapfile -t flags < <(without "$@")
  build "$name" "${flags[@]}" "${extra[@]}"
  if message=$(tools/check-hardening.sh "$scratch/$name" 2>&1); then
    echo "FAIL: a program built without $* passed the hardening check"; failures=$((failures + 1))
  elif [[ $message != *"$reason"* ]]; then
    echo "FAIL: without $*, the check said: $message"; failures=$((failures + 1))
  fi
}
extra=()
expect_refused no-canary "Stack protected: no" -fstack-protector-strong
expect_refused no-fortify "Fortify Source functions: no" -D_FORTIFY_SOURCE=2
expect_refused lazy "Immediate binding: no" -Wl,-z,now
expect_refused no-branch-pads "no branch protection" -fcf-protection
extra=(-fno-PIE -no-pie)
expect_refused no-pie "Position Independent Executable: no" -fPIE -pie
[ "$failures" -eq 0 ] || exit 1
echo "hardening check: passes a hardened program, and names each of five missing protections"
