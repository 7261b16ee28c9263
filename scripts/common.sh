# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the program, its tests and its benchmarks need.
PACKAGES=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
    libbenchmark-dev
    fonts-liberation2 qt6-translations-l10n
    xvfb xauth x11-utils xdotool imagemagick
    dbus at-spi2-core python3-pyatspi orca openbox
    desktop-file-utils appstream dpkg-dev file lintian man-db
    poppler-utils
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build <build dir> [extra cmake arguments...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@"
    cmake --build "$ROOT/$dir" --parallel "$(nproc)"
}

# The tree built with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/.
build_sanitized() {
    configure_and_build build-asan -DCONSTITUCION_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
}

# Sanitizer settings for running a CONSTITUCION_SANITIZE build: every report ends the
# process with a failure; leaks inside Qt's and the system's libraries are suppressed.
sanitizer_environment() {
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0"
}
