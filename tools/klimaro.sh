#!/usr/bin/env bash
# Set-up, build and start of Klimaro on Debian 12.
#   tools/klimaro.sh run    install what is missing, build, start the program
#   tools/klimaro.sh test   install what is missing, build, run the whole test suite
#   tools/klimaro.sh sanitize   the whole test suite again, built in build-asan with
#                           AddressSanitizer, LeakSanitizer and UBSan; any report fails
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-svg-dev libgl-dev fonts-dejavu-core
          pkg-config libxslt1-dev xsltproc qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
          libqt6sql6-sqlite)

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

# Debug build with the sanitizers in the code and in every link. UBSan findings
# abort instead of printing and going on; no benchmarks (run by hand, not tests).
build_sanitized() {
    local flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKLIMARO_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
    cmake --build "$top/build-asan" -j "$(nproc)"
}

# Sourced (tools/fuzz.sh): the functions only.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

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
sanitize)
    install_missing
    # A report ends its program with a non-zero status: ASan and UBSan at the
    # first finding, LeakSanitizer at exit. Set for the build too: the picture
    # renderer it runs is built with the sanitizers. tools/lsan.supp lists
    # leaks inside Qt and the libraries below it only.
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS="suppressions=$top/tools/lsan.supp:print_suppressions=0"
    build_sanitized
    cd "$top/build-asan" && ctest --output-on-failure
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
