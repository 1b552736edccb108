#!/usr/bin/env bash
# Runs the three linters on the program's code and exits non-zero on any
# finding, after printing every finding:
#   1. clang-format (.clang-format): every tracked .cpp and .h file of src/,
#      tests/ and bench/ is laid out as the configuration says;
#   2. clang-tidy (.clang-tidy) on the translation units of src/, from the
#      compile commands of a build folder (the first argument, "build-lint"
#      by default; configured here when it has none: a unity build, without
#      GCC's precompiled headers);
#   3. clazy's level 0 and 1 checks (clazy-standalone), on the same
#      translation units.
# The tests and the benchmark get the layout check only: the analyzers look
# at the program, and the test code's QTest macros would add noise and time.
# LINT_JOBS sets the parallel jobs (2 by default, the CI machine's cores).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build-lint}
jobs=${LINT_JOBS:-2}
failed=()

step() { printf '\n---- lint: %s (%ds) ----\n' "$*" "$SECONDS"; }

# --- 1. Layout ---------------------------------------------------------------
step "clang-format"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
else
  mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
fi
if clang-format --dry-run --Werror "${sources[@]}"; then
  echo "clang-format: ${#sources[@]} files laid out as .clang-format says"
else
  echo "clang-format: lay the files above out with: clang-format -i FILE..." >&2
  failed+=(clang-format)
fi

# --- 2. clang-tidy -----------------------------------------------------------
step "clang-tidy"
# Only the compile commands are needed: the sources of src/ include no
# generated file other than the configured Config.h. The build folder is a
# unity build: each library's sources are read as one combined file, so that
# Qt's headers, where the analyzers spend most of their time, are read once
# a library instead of once a source. The sources of one library therefore
# keep the names in their anonymous namespaces apart.
unity=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0)
if [[ -f $build/CMakeCache.txt ]]; then
  cmake -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCINDREL_PCH=OFF "${unity[@]}" >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DCINDREL_PCH=OFF -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF "${unity[@]}" >/dev/null
fi
# The combined files of the program's targets (not those of the compiled-in
# resources), and any source of src/ compiled on its own.
mapfile -t units < <(python3 - "$build/compile_commands.json" "$root/src/" "$(realpath "$build")/src/" <<'EOF'
import json, re, sys
commands, sources, combined = sys.argv[1:]
files = {c["file"] for c in json.load(open(commands))}
print("\n".join(sorted(f for f in files if f.startswith(sources)
                       or (f.startswith(combined) and re.search(r"/CMakeFiles/(?![^/]*_resources_\d+\.dir/)[^/]+\.dir/Unity/unity_\d+_cxx\.cxx$", f)))))
EOF
)
# run_each TOOL: TOOL (a function) on every unit, two at a time, each unit's
# findings printed in one piece.
run_each() {
  printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} bash -c "$1"' "$1"' _ {}
}
# The count of warnings in Qt's and the system's headers (never shown) is
# left out.
filter_counts() { grep -vE '^[0-9]+ (warning|error)s? (and [0-9]+ (warning|error)s? )?generated\.$' || true; }
export -f filter_counts
# Both analyzers report in the headers and sources that .clang-tidy names.
LINT_HEADER_FILTER=$(sed -n "s/^HeaderFilterRegex: '\(.*\)'$/\1/p" .clang-tidy)
[[ -n $LINT_HEADER_FILTER ]] || { echo "lint: .clang-tidy has no HeaderFilterRegex" >&2; exit 1; }
export LINT_BUILD=$build LINT_ROOT=$root LINT_HEADER_FILTER
# The configuration is named, since a combined file's folder has none. A
# combined file's only lines are #include lines of .cpp files, which is all
# that bugprone-suspicious-include looks for.
tidy_one() {
  local out status=0
  out=$(clang-tidy -p "$LINT_BUILD" --config-file="$LINT_ROOT/.clang-tidy" --checks=-bugprone-suspicious-include \
        --quiet --use-color=false "$1" 2>&1) || status=$?
  out=$(filter_counts <<<"$out")
  [[ -n $out ]] && printf '%s\n' "$out"
  return "$status"
}
export -f tidy_one
if ((${#units[@]} == 0)); then
  echo "clang-tidy: no translation unit of src/ in $build/compile_commands.json" >&2
  failed+=(clang-tidy)
elif run_each tidy_one; then
  echo "clang-tidy: the ${#units[@]} translation units of src/ without findings"
else
  failed+=(clang-tidy)
fi

# --- 3. clazy ----------------------------------------------------------------
step "clazy"
# clazy's level 0 and 1 checks on the same units, as a standalone tool. Any
# warning fails the step. Qt's headers come in as system headers and are not
# checked; the build folder's generated code is skipped.
clazy_one() {
  local out status=0
  out=$(clazy-standalone -p "$LINT_BUILD" --checks=level0,level1 \
        --header-filter="$LINT_HEADER_FILTER" --ignore-dirs="$(realpath "$LINT_BUILD")/.*" \
        "$1" 2>&1) || status=$?
  out=$(filter_counts <<<"$out")
  [[ -n $out ]] && printf '%s\n' "$out"
  ((status == 0)) && ! grep -qE '(warning|error):' <<<"$out"
}
export -f clazy_one
if ((${#units[@]} > 0)) && run_each clazy_one; then
  echo "clazy: the ${#units[@]} translation units of src/ without findings"
else
  failed+=(clazy)
fi

if ((${#failed[@]} > 0)); then
  printf '\nlint: findings from %s (%ds)\n' "${failed[*]}" "$SECONDS" >&2
  exit 1
fi
printf '\nlint: no findings (%ds)\n' "$SECONDS"
