#!/usr/bin/env bash
# Installs the Debian packages the project needs when any is missing.
# Sourced by ./run and ./test; works as root or through sudo.

# To build: compilers, CMake, the -dev packages of every library linked.
pelk_build_packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  qt6-svg-dev libgl-dev
  libwmf-dev libexpat1-dev libemf2svg-dev libjpeg-dev libxcb1-dev
)
# To run, beyond the libraries the programs link: what Qt and libwmf load by
# name at run time (the SVG image plugin, the SQLite driver of the help
# viewer, the fonts libwmf draws text with) and a font for the windows.
pelk_runtime_packages=(
  libqt6svg6 libqt6sql6-sqlite fonts-urw-base35 fonts-dejavu-core
)
# For the tests only: the installation's validators, and what the
# end-to-end tests need to run the programs on an X server of their own
# (Xvfb) with a window manager (openbox), and drive and read it with
# xdotool, xprop and xwininfo (x11-utils) and xclip.
pelk_test_packages=(desktop-file-utils appstream xvfb openbox xdotool x11-utils xclip)
# For the benchmarks only: the programs they compare against.
pelk_bench_packages=(libjpeg-turbo-progs libvips-tools)
# For fuzzing (tools/fuzz): clang with libFuzzer and the sanitizer runtimes.
pelk_fuzz_packages=(clang-14 libclang-rt-14-dev)

pelk_ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
