#!/usr/bin/env bash
# Signs Windows files in place with Authenticode, SHA-256, through Debian's
# osslsigncode:
#   scripts/windows-sign.sh FILE...
#   scripts/windows-sign.sh --check     only checks the key, as packing does first
# The key comes from the environment:
#   CINDREL_SIGN_PKCS12          the key and its certificates, a .p12 file
#   CINDREL_SIGN_PASSWORD_FILE   a file holding the key's password
#   CINDREL_SIGN_TIMESTAMP_URL   optional: an RFC 3161 time-stamping service
#                                that countersigns every signature
# Without a key it signs nothing and says so in one line. Every file is
# signed into a copy beside it and the copy's signature checked against the
# key's own certificates (and the system's), and so is its time stamp when
# one is asked for; only when all are good do the copies replace the files,
# so a wrong password, a missing key, a bad signature or a missing time
# stamp fails with one line and leaves every file as it was.
# SOURCE_DATE_EPOCH, when set, is the signing time, so the same key signs
# the same file to the same bytes (a time stamp, when asked for, is the
# service's own time).
set -euo pipefail

key=${CINDREL_SIGN_PKCS12:-}
password=${CINDREL_SIGN_PASSWORD_FILE:-}
die() { echo "windows-sign: $*" >&2; exit 1; }

if [[ -z $key && -z $password ]]; then
  echo "windows-sign: no signing key (CINDREL_SIGN_PKCS12 is not set): nothing signed" >&2
  exit 0
fi
[[ -n $key ]] || die "CINDREL_SIGN_PASSWORD_FILE is set but CINDREL_SIGN_PKCS12 is not"
[[ -n $password ]] || die "CINDREL_SIGN_PKCS12 is set but CINDREL_SIGN_PASSWORD_FILE is not"
[[ -f $key && -r $key ]] || die "the key file '$key' (CINDREL_SIGN_PKCS12) cannot be read"
[[ -f $password && -r $password ]] || die "the password file '$password' (CINDREL_SIGN_PASSWORD_FILE) cannot be read"
check_only=false
if [[ ${1:-} == --check ]]; then
  check_only=true
  shift
else
  (($# > 0)) || die "no file to sign"
fi

work=$(mktemp -d)
signed=()
cleanup()
{
  local copy
  for copy in "${signed[@]}"; do rm -f "$copy"; done
  rm -rf "$work"
}
trap cleanup EXIT

# The key's certificates, which also proves the password right. A key
# exported by older tools is encrypted with algorithms (RC2, 3DES) that
# OpenSSL 3 keeps in its legacy provider: it is read with that, and only
# when neither reads it is the first reason given (a wrong password shows
# in both).
if ! openssl pkcs12 -in "$key" -passin "file:$password" -nokeys -out "$work/certificates.pem" 2>"$work/error" &&
   ! openssl pkcs12 -legacy -in "$key" -passin "file:$password" -nokeys -out "$work/certificates.pem" 2>/dev/null; then
  die "the key '$key' does not open with the password in '$password': $(head -n 1 "$work/error")"
fi
if $check_only; then
  echo "windows-sign: signing with $(openssl x509 -in "$work/certificates.pem" -noout -subject)" >&2
  exit 0
fi
cat "$work/certificates.pem" >"$work/trusted.pem"
if [[ -f /etc/ssl/certs/ca-certificates.crt ]]; then
  cat /etc/ssl/certs/ca-certificates.crt >>"$work/trusted.pem"
fi

options=(-pkcs12 "$key" -readpass "$password" -h sha256)
if [[ -n ${SOURCE_DATE_EPOCH:-} ]]; then
  options+=(-time "$SOURCE_DATE_EPOCH")
fi
check=(-CAfile "$work/trusted.pem")
if [[ -n ${CINDREL_SIGN_TIMESTAMP_URL:-} ]]; then
  options+=(-ts "$CINDREL_SIGN_TIMESTAMP_URL")
  check+=(-TSA-CAfile "$work/trusted.pem")
fi

for file in "$@"; do
  [[ -f $file ]] || die "no file '$file' to sign"
  copy=$file.signing
  signed+=("$copy")
  rm -f "$copy"
  osslsigncode sign "${options[@]}" -in "$file" -out "$copy" >"$work/log" 2>&1 ||
    die "signing '$file' failed: $(grep -v '^$' "$work/log" | tail -n 1)"
  osslsigncode verify "${check[@]}" -in "$copy" >"$work/log" 2>&1 ||
    die "the signature of '$file' does not verify: $(grep -iE 'fail|error' "$work/log" | head -n 1)"
  if [[ -n ${CINDREL_SIGN_TIMESTAMP_URL:-} ]]; then
    grep -q '^Timestamp Server Signature verification: ok' "$work/log" ||
      die "the signature of '$file' carries no time stamp that verifies"
  fi
done
for file in "$@"; do
  mv -f "$file.signing" "$file"
done
signed=()
