# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the program, its tests and its benchmarks need.
PACKAGES=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev
    fonts-liberation2
    xvfb xauth x11-utils xdotool
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
