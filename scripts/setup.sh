#!/usr/bin/env bash
# Installs the Debian packages that quorvex needs to build, test and run its examples.
# Quick when everything is present: apt is only called for what is missing.
set -euo pipefail

packages=(
  build-essential cmake git
  librcutils-dev librosidl-runtime-c-cpp-dev libfastcdr-dev
  ament-cmake ament-cmake-googletest libgtest-dev
  ament-cmake-lint-cmake ament-cmake-xmllint ament-cmake-cppcheck ament-cmake-cpplint
  ament-cmake-uncrustify
  # the middleware demo
  libfastrtps-dev nlohmann-json3-dev
  # the demo's DDS Security: enclave file checks (libssl-dev) and the keystore tool (openssl)
  libssl-dev openssl
  # the demo across two hosts made of network namespaces: links, lossy links, captures
  iproute2 nftables tcpdump
  # benchmarks and their plot
  libbenchmark-dev gnuplot-nox
  # fuzz targets (libFuzzer and the sanitizer runtimes of clang)
  clang libclang-rt-14-dev
  # the ROS 2 workspace build: colcon build and colcon test in a scratch workspace
  colcon python3-colcon-ros python3-colcon-cmake python3-colcon-test-result
  python3-colcon-library-path python3-colcon-bash python3-colcon-output
  python3-colcon-package-selection python3-colcon-parallel-executor
  python3-colcon-recursive-crawl python3-colcon-metadata python3-colcon-defaults
  python3-colcon-package-information
  # the Python interface: extension modules, their tests, the demo's Python client
  ament-cmake-python ament-cmake-pytest python3-dev python3-pytest python3-hypothesis
  python3-numpy python3-yaml
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
