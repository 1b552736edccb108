#!/usr/bin/env bash
# Runs the three linters on the program's code and exits non-zero on any
# finding, after printing every finding:
#   1. clang-format (.clang-format): every tracked .cpp and .h file of src/,
#      tests/ and bench/ is laid out as the configuration says;
#   2. clang-tidy (.clang-tidy) on the translation units of src/, from the
#      compile commands of a build folder (the first argument, "build-lint"
#      by default; configured here when it has none), without the
#      precompiled headers, so that every file's includes are checked as
#      written;
#   3. clazy's level 0 and 1 checks, with clazy as the compiler of a build of
#      the program's own targets only (build-clazy, no tests, no benchmark).
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
# generated file other than the configured Config.h.
if [[ -f $build/CMakeCache.txt ]]; then
  cmake -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCINDREL_PCH=OFF >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DCINDREL_PCH=OFF -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF >/dev/null
fi
mapfile -t units < <(python3 - "$build/compile_commands.json" "$root/src/" <<'EOF'
import json, sys
commands, prefix = sys.argv[1], sys.argv[2]
print("\n".join(sorted({c["file"] for c in json.load(open(commands)) if c["file"].startswith(prefix)})))
EOF
)
if ((${#units[@]} == 0)); then
  echo "clang-tidy: no translation unit of src/ in $build/compile_commands.json" >&2
  failed+=(clang-tidy)
else
  # One clang-tidy per unit, its findings printed in one piece; the count of
  # warnings in Qt's and the system's headers (never shown) is left out.
  tidy_one() {
    local out status=0
    out=$(clang-tidy -p "$LINT_BUILD" --quiet --use-color=false "$1" 2>&1) || status=$?
    out=$(grep -vE '^[0-9]+ (warning|error)s? (and [0-9]+ (warning|error)s? )?generated\.$' <<<"$out" || true)
    [[ -n $out ]] && printf '%s\n' "$out"
    return "$status"
  }
  export -f tidy_one
  if printf '%s\n' "${units[@]}" | LINT_BUILD=$build xargs -P "$jobs" -I{} bash -c 'tidy_one "$1"' _ {}; then
    echo "clang-tidy: ${#units[@]} translation units of src/ without findings"
  else
    failed+=(clang-tidy)
  fi
fi

# --- 3. clazy ----------------------------------------------------------------
step "clazy"
# Built without optimisation and without ccache (whose cache does not know
# which checks ran), and rebuilt from scratch each time so that every finding
# is printed again. Warnings are not errors here, so that one run lists them
# all; any warning in the log fails the step. Qt's headers come in as system
# headers and are not checked; the build folder's generated moc code is skipped.
clazy_build=build-clazy
CXX=clazy cmake -S . -B "$clazy_build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_COMPILER_LAUNCHER= \
  -DCINDREL_PCH=OFF -DCINDREL_WERROR=OFF -DCINDREL_BUILD_TESTS=OFF -DCINDREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$clazy_build" --target clean >/dev/null
clazy_log=$clazy_build/clazy.log
clazy_status=0
CLAZY_CHECKS=level0,level1 CLAZY_IGNORE_DIRS="$root/$clazy_build/.*" \
  cmake --build "$clazy_build" -j "$jobs" >"$clazy_log" 2>&1 || clazy_status=$?
if ((clazy_status != 0)) || grep -qE '(warning|error):' "$clazy_log"; then
  grep -E -A3 '(warning|error):|FAILED:' "$clazy_log" || tail -n 30 "$clazy_log"
  failed+=(clazy)
else
  echo "clazy: the program's targets build without findings"
fi

if ((${#failed[@]} > 0)); then
  printf '\nlint: findings from %s (%ds)\n' "${failed[*]}" "$SECONDS" >&2
  exit 1
fi
printf '\nlint: no findings (%ds)\n' "$SECONDS"
