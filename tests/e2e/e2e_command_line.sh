#!/usr/bin/env bash
# shellcheck disable=SC2034  # want_out and want_err are read through ${!want}
# The real program's command line with no display at all, as in a terminal
# over ssh: --help and --version answer on standard output, a bad command
# line is refused on standard error with status 2 (a QApplication would
# abort without a display instead), and Qt's own options still reach Qt:
# with -platform offscreen the program starts and keeps running.
set -euo pipefail
# shellcheck source=scripts/identity.sh.in
source "${CINDREL_IDENTITY:?must name identity.sh of the build}"
bin=${1:?usage: $0 PATH-OF-CINDREL}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/cindrel-cli.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS LANGUAGE LC_MESSAGES

fail() { echo "e2e_command_line: FAIL: $*" >&2; exit 1; }

# Each line: arguments | exit status | text on standard output | text on
# standard error. A text must be contained, an empty one means that nothing
# at all may be written there, and "*" that anything may (Qt's offscreen
# platform warns). Status 124: still running after 3 seconds.
while IFS='|' read -r args want_status want_out want_err; do
  read -ra argv <<<"$args"
  set +e
  timeout 3 "$bin" "${argv[@]}" >"$tmp/out" 2>"$tmp/err" </dev/null
  status=$?
  set -e
  what="'cindrel $args'"
  [[ $status == "$want_status" ]] || fail "$what ended with $status, not $want_status: $(cat "$tmp/err")"
  for stream in out err; do
    want=want_$stream
    if [[ ${!want} == '*' ]]; then
      continue
    elif [[ -z ${!want} ]]; then
      [[ ! -s $tmp/$stream ]] || fail "$what wrote to std$stream: $(cat "$tmp/$stream")"
    else
      grep -qF -- "${!want}" "$tmp/$stream" || fail "$what: std$stream lacks '${!want}': $(cat "$tmp/$stream")"
    fi
  done
  echo "ok: $what"
done <<EOF
--version|0|$CINDREL_NAME $CINDREL_VERSION|
--help|0|-v, --version|
--bogus|2||unknown option '--bogus'
-platform offscreen --version|0|$CINDREL_VERSION|
-platform offscreen -style Fusion -reverse|124||*
--platform offscreen|124||*
EOF
echo "e2e_command_line: PASS"
