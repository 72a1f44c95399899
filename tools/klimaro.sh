#!/usr/bin/env bash
# Set-up, build and start of Klimaro on Debian 12.
#   tools/klimaro.sh run    install what is missing, build, start the program
#   tools/klimaro.sh test   install what is missing, build, run the whole test suite
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-svg-dev libgl-dev fonts-dejavu-core qt6-charts-dev libqt6opengl6-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build_all() {
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build_all
    # The translation "didediruz" and the documentation are found from the build folder.
    cd "$build" && exec ./klimaro
    ;;
test)
    install_missing
    build_all
    cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
