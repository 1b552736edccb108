#!/usr/bin/env bash
# Makes the source tarball of a tagged version and its SHA-256 checksum:
#   bash scripts/release.sh v1.15 [output folder, default dist]
# writes dist/cindrel-1.15.tar.gz and dist/cindrel-1.15.tar.gz.sha256. The
# tarball is the tag's tree under cindrel-1.15/, every entry owned by root and
# dated with the tagged commit's time, compressed without a name or a time, so
# one tag always gives the same bytes. It builds with the README's commands;
# having no git history, it takes its SOURCE_DATE_EPOCH from the commit time
# git archive writes into cmake/commit-time.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

tag=${1:-}
out=${2:-dist}
if [[ -z $tag ]]; then
  echo "usage: bash scripts/release.sh <tag, e.g. v1.15> [output folder]" >&2
  exit 2
fi
if ! git rev-parse -q --verify "refs/tags/$tag^{commit}" >/dev/null; then
  echo "release: there is no tag $tag" >&2
  exit 1
fi
# The tag names the version the tagged sources declare, nothing else.
version=$(git show "$tag:CMakeLists.txt" | sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p')
if [[ ${tag#v} != "$version" ]]; then
  echo "release: tag $tag does not match the version $version in its CMakeLists.txt" >&2
  exit 1
fi

name=cindrel-$version
mkdir -p "$out"
git -c tar.umask=0022 archive --format=tar --prefix="$name/" "$tag" | gzip -9 -n >"$out/$name.tar.gz.partial"
mv "$out/$name.tar.gz.partial" "$out/$name.tar.gz"
(cd "$out" && sha256sum "$name.tar.gz" >"$name.tar.gz.sha256")
echo "release: $out/$name.tar.gz"
cat "$out/$name.tar.gz.sha256"
