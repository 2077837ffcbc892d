#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build, the tests and the developer tools need.
# Idempotent: when everything is present it does nothing and prints nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev rapidjson-dev nlohmann-json3-dev
  libfltk1.3-dev librsvg2-dev fonts-dejavu-core
  liberfa-dev libsleef-dev
  libcpp-httplib-dev chromium chromium-driver python3-selenium python3-jsonschema wrk
  libswe-dev swe-basic-data python3-skyfield
  libhowardhinnant-date-dev tzdata iso-codes
  xvfb xdotool xclip x11-apps imagemagick librsvg2-bin
  clang libclang-rt-14-dev clang-format clang-tidy
  man-db zsh desktop-file-utils python3-jsonschema
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
