# Shared by scripts/run and scripts/test: install missing Debian packages, configure, build.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Qt 6 (widgets, SQLite driver, print support, network, tests), its Chinese translation,
# a CJK font, CMake/Ninja and a virtual display for headless runs.
packages=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n
  fonts-noto-cjk libgl-dev xvfb xauth sqlite3 libsqlite3-dev)

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [extra cmake args...]
build() {
  local dir="$1"
  shift
  cmake -S "$here" -B "$here/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$here/$dir" --parallel "$(nproc)"
}
