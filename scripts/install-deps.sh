#!/usr/bin/env bash
# Installs what building, testing and running Tessaly needs, on Debian or Ubuntu.
# Elsewhere it names the packages and leaves the installing to the user.
# Usage: install-deps.sh [--fuzz] [--package] [--mingw]
#   --fuzz     clang with its sanitizer runtimes
#   --package  what building and checking the .deb needs (dpkg-shlibdeps, lintian, validators,
#              the MIME database and xdg-mime to ask it, man)
#   --mingw    the Windows cross compiler and Wine, for the portable core's tests
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth xfonts-base xdotool x11-apps imagemagick
  x11-xkb-utils libxtst-dev  # keyboard layouts and raw key events in the end-to-end test
)
for option in "$@"; do
  case "$option" in
    --fuzz) PACKAGES+=(clang libclang-rt-dev) ;;  # Debian's name; Ubuntu's carries the clang version
    --package) PACKAGES+=(dpkg-dev file lintian appstream desktop-file-utils
                          shared-mime-info libxml2-utils xdg-utils libfile-mimeinfo-perl man-db) ;;
    --mingw) PACKAGES+=(g++-mingw-w64-x86-64-posix wine wine64) ;;
    *) echo "install-deps.sh: unknown option '$option'" >&2; exit 2 ;;
  esac
done

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "Tessaly: not a Debian/Ubuntu system; please install the equivalents of: ${PACKAGES[*]}" >&2
  exit 0
fi

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Tessaly: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Tessaly: please install as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
