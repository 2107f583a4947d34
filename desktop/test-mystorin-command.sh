#!/bin/sh
# Checks the mystorin command: --version and --help, an unknown program, and that it execs
# the launcher and each program from the libexec folder beside its real location, passing
# the arguments and the exit status through. Stub programs stand in for the real ones.
# Usage: test-mystorin-command.sh MYSTORIN VERSION "DESKTOP_ID..."
set -eu
command=$1
version=$2
ids=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/bin" "$root/libexec/mystorin" "$root/elsewhere"
cp "$command" "$root/bin/mystorin"
ln -s "$root/bin/mystorin" "$root/elsewhere/mystorin"

failures=0
run() { # COMMAND...: sets output, status; standard error goes to $root/stderr
  status=0
  output=$("$@" 2>"$root/stderr") || status=$?
}
check() { # NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

# The programs: the launcher bar, and each other desktop id in lower case.
programs=bar
for id in $ids; do
  [ "$id" = Mystorin ] || programs="$programs $(echo "$id" | tr '[:upper:]' '[:lower:]')"
done
for program in $programs; do
  cat >"$root/libexec/mystorin/$program" <<'STUB'
#!/bin/sh
printf '%s' "${0##*/}"
for argument in "$@"; do printf '|%s' "$argument"; done
echo
[ "${1-}" != fail ] || exit 5
STUB
  chmod +x "$root/libexec/mystorin/$program"
done

mystorin="$root/bin/mystorin"
run "$mystorin" --version
check "--version prints the version" "mystorin $version" "$output"
check "--version exits 0" 0 "$status"

run "$mystorin" --help
check "--help exits 0" 0 "$status"
for program in $programs; do
  case "$output" in
    *"  $program "*) ;;
    *) check "--help lists $program" listed "missing" ;;
  esac
done

run "$mystorin" nosuchprogram
check "an unknown program exits 2" 2 "$status"
check "an unknown program prints nothing on stdout" "" "$output"
[ -s "$root/stderr" ] || check "an unknown program is reported on stderr" "a message" ""

run "$mystorin"
check "no program starts the launcher" "bar" "$output"
check "the launcher's exit status" 0 "$status"

for program in $programs; do
  run "$mystorin" "$program" one "two words" ""
  check "$program gets its arguments" "$program|one|two words|" "$output"
done

run "$mystorin" -style Fusion -reverse
check "Qt's options go to the launcher" "bar|-style|Fusion|-reverse" "$output"

run "$mystorin" zendary fail
check "a program's exit status is passed on" 5 "$status"

run "$root/elsewhere/mystorin" ballora
check "a link to the command finds the programs" "ballora" "$output"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
