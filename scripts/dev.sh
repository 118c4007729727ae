#!/usr/bin/env bash
# Set-up, build, run and test on a Debian 12 machine.
#   scripts/dev.sh run            install what is missing, build, start the program
#   scripts/dev.sh test           install what is missing, build, run every test
#   scripts/dev.sh test-sanitize  the same in a build with AddressSanitizer and UBSan
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev zlib1g-dev libgtest-dev libbenchmark-dev
  # karo-cli props: meshes by constrained Delaunay refinement (CGAL, with Boost.Geometry for
  # the union of the outlines) and a sparse symmetric solve (Eigen).
  libcgal-dev libeigen3-dev
  fonts-liberation2
  # The window reads fontconfig's configuration beside the start of Qt.
  libfontconfig-dev
  # Russian and English texts of Qt's own dialogs (files, printing, questions).
  qt6-translations-l10n
  # The English interface: lupdate and lrelease turn resources/translations/*.ts into the
  # translations built into the programs.
  qt6-tools-dev qt6-l10n-tools
  # The single-instance and smoke tests run against a real X server.
  xvfb xauth
  # A report test typesets the written document in a real word processor.
  libreoffice-writer libreoffice-math poppler-utils
  # The package test holds the .deb to Debian's policy checks.
  lintian
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() { # build DIR [cmake options...]
  local dir=$1
  shift
  # Warnings are errors while developing; package builds leave this off.
  cmake -S . -B "$dir" -G Ninja -DKARO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() { # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$jobs"
}

case "${1:-}" in
  run)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [ -x build/src/app/karo ]; then
      exec build/src/app/karo "${@:2}"
    fi
    # Without the window, show the example section solved from the command line.
    exec build/src/cli/karo-cli solve examples/textbook.karo
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    run_tests build
    ;;
  test-sanitize)
    install_missing
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKARO_SANITIZE=ON -DKARO_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
      LSAN_OPTIONS=suppressions="$here/tests/lsan.supp":print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests build-sanitize
    ;;
  *)
    echo "usage: $0 run|test|test-sanitize" >&2
    exit 2
    ;;
esac
