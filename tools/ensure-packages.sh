#!/usr/bin/env bash
# Installs the Debian packages the project needs when any is missing.
# Sourced by ./run and ./test; works as root or through sudo.
pelk_packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  qt6-svg-dev libqt6svg6 qt6-image-formats-plugins libqt6sql6-sqlite libgl-dev
  libwmf-dev libemf2svg-dev libjpeg-dev
  fonts-dejavu-core
)
pelk_run_packages=(xvfb xdotool imagemagick)
pelk_bench_packages=(libjpeg-turbo-progs libvips-tools)

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
