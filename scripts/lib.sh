# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts (sourced, with $root the source folder): configuring and building the
# suite with the build's progress on one line of a terminal and silence elsewhere, and a private
# runtime folder for the programs a script starts.

# The development build in build/ (or $LESSON_BUILD_DIR), one configuration for every script
# that uses it, so that none switches it back and rebuilds what another built.
build="${LESSON_BUILD_DIR:-$root/build}"
development_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESSON_WERROR=ON)

# lesson_build DIR OPTIONS... [-- TARGET...]: configures DIR with the CMake OPTIONS and builds
# the TARGETs (everything when none are named). On a terminal the build shows its progress as a
# percentage on one line; the output of a failed step is shown, nothing else.
lesson_build() {
  local dir="$1" options=() targets=() log line status=0
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  targets=("$@")
  log="$(mktemp)"
  if ! cmake -S "$root" -B "$dir" "${options[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  : >"$log"
  local command=(cmake --build "$dir" -j"$(nproc)")
  [ ${#targets[@]} -gt 0 ] && command+=(--target "${targets[@]}")
  # Make writes "[ 42%] ...", Ninja "[12/221] ...". The loop ends well whatever it reads, so
  # that the pipeline's status is the build's.
  "${command[@]}" 2>&1 | while IFS= read -r line; do
    local percent=""
    if [[ "$line" =~ ^\[\ *([0-9]+)%\] ]]; then
      percent="${BASH_REMATCH[1]}"
    elif [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
      percent=$((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))
    else
      printf '%s\n' "$line" >>"$log"
    fi
    if [ -n "$percent" ] && [ -t 2 ]; then
      printf '\rbuilding: %3d %%' "$percent" >&2
    fi
  done || status=$?
  if [ -t 2 ]; then printf '\r\033[K' >&2; fi
  [ "$status" -eq 0 ] || cat "$log" >&2
  rm -f "$log"
  return "$status"
}

# Qt wants a runtime folder of the user's own and warns when the session has none (as under
# sudo or in a container): give the programs a private one for as long as the script runs.
lesson_runtime_dir() {
  [ -n "${XDG_RUNTIME_DIR:-}" ] && return
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
}

# The programs present, in the launcher's order, from the suite's one table: their folders.
lesson_programs() {
  local folder
  for folder in $(sed -n 's/^lesson_program(\([^ ]*\) .*/\1/p' "$root/lessons/programs.cmake"); do
    [ -f "$root/$folder/CMakeLists.txt" ] && echo "$folder"
  done
}
