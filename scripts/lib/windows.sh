# Sourced by scripts/test after setup.sh: the Windows pass. Cross-builds the
# library, quarlin.exe and the unit tests with MinGW-w64, runs the unit tests
# under Wine, then runs the end-to-end tests against quarlin.exe under Wine.
# shellcheck shell=bash disable=SC2154  # repo_root and jobs come from setup.sh

wine_run="$repo_root/cmake/toolchains/wine-run"

# windows_pass NATIVE_BUILD_DIR [WINDOWS_BUILD_DIR]
# The end-to-end tests are Linux programs (they make the private network
# namespace and play the agent), so they come from the native build in
# NATIVE_BUILD_DIR, which must be built. WINDOWS_BUILD_DIR defaults to the
# windows preset's folder.
windows_pass() {
  local native_dir="$1"
  local build_dir="${2:-$repo_root/build-windows}"
  cmake --preset windows -S "$repo_root" -B "$build_dir" >/dev/null
  cmake --build "$build_dir" -j "$jobs"
  # The Wine prefix is made once, before anything runs in parallel.
  "$wine_run" "$build_dir/wineprefix"
  ctest --test-dir "$build_dir" -j "$jobs" --output-on-failure

  # Each run of quarlin.exe gets a wineserver of its own inside the test's
  # network namespace (see wine-run), and the tests expect CR LF line ends.
  local launcher="$build_dir/quarlin-under-wine"
  printf '#!/usr/bin/env bash\nexec %q --own-server %q %q "$@"\n' \
    "$wine_run" "$build_dir/wineprefix" "$build_dir/quarlin.exe" >"$launcher"
  chmod +x "$launcher"
  QUARLIN_TOOL="$launcher" QUARLIN_TOOL_NEWLINE=crlf \
    ctest --test-dir "$native_dir" -L '^(e2e|interop)$' -j "$jobs" --output-on-failure
}
