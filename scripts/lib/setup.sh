# Sourced by the scripts: installs what the project needs and knows where it lives.
# shellcheck shell=bash

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

# Debian packages every script relies on; one list so a fresh machine needs one install line.
required_packages=(
  cmake g++ make libgtest-dev
  # The end-to-end and interop tests, the demo and the timing: a real SNMP agent
  # and manager to compare with, and ip for the private network namespaces.
  snmpd snmp iproute2
  # Fuzzing (clang with libFuzzer and the sanitizer runtimes) and the benchmarks.
  clang libclang-rt-14-dev libbenchmark-dev
  # The Windows build: cross-compiler, GoogleTest's sources, and Wine to run the programs.
  g++-mingw-w64-x86-64 googletest wine wine64
)

missing_packages() {
  local package
  for package in "${required_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
  done
}

install_missing_packages() {
  local missing
  mapfile -t missing < <(missing_packages)
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
}

# configure_and_build PRESET: configures and builds one CMake preset.
configure_and_build() {
  cmake --preset "$1" -S "$repo_root" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}
