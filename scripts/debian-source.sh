# shellcheck shell=bash
# debian_source_fetch PACKAGE VERSION FOLDER : downloads Debian's source
# package PACKAGE of VERSION (.dsc and its tarballs, as published) into
# FOLDER with apt-get source, through a private sources list made from the
# system's own (deb turned into deb-src) and private package lists, so that
# the system's apt configuration is left untouched.
debian_source_fetch()
{
  local package=$1 version=$2 folder=$3 apt f
  apt=$(mktemp -d)
  mkdir -p "$apt/lists/partial" "$apt/sources.list.d" "$folder"
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] && sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources.list.d/$(basename "$f")"
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -nE 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$apt/sources.list"
  else
    : >"$apt/sources.list"
  fi
  local options=(-o "Dir::Etc::sourcelist=$apt/sources.list" -o "Dir::Etc::sourceparts=$apt/sources.list.d"
                 -o "Dir::State::Lists=$apt/lists")
  { apt-get "${options[@]}" update -q >&2 &&
    (cd "$folder" && apt-get "${options[@]}" source --download-only "$package=$version" >&2); } ||
    { rm -rf "$apt"; return 1; }
  rm -rf "$apt"
}
