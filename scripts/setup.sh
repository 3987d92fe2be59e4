# shellcheck shell=bash
# Shared by ./check, ./play and ./package (sourced, not run): installs what the build
# needs and configures/builds a build folder. Expects to be sourced from the
# repository root.

OLTERIA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the build and the tests need (the game builds on Qt 6; the Qt 5 ones below
# are for ./check's second build).
OLTERIA_PACKAGES=(
  cmake
  g++
  ninja-build
  qt6-base-dev       # Qt 6 Core/Gui/Widgets/Test with their CMake files and moc
  qt6-multimedia-dev # Qt 6 Multimedia: the game's sounds
  qt6-5compat-dev    # Qt 6 Core5Compat: the Windows-1251 codec for the catalogues
  qt6-tools-dev      # Qt 6 LinguistTools' CMake files (qt_add_translations)
  qt6-l10n-tools     # Qt 6 lupdate and lrelease: the English translation
  fonts-dejavu-core  # a font for the offscreen platform in tests
  fonts-liberation2  # the game's font: Arial's metrics, which its layout is made for
)
# Qt 5.15, which ./check builds and tests too, for the systems that still have only it.
OLTERIA_QT5_PACKAGES=(
  qtbase5-dev        # Qt Core/Gui/Widgets/Test with their CMake files
  qtbase5-dev-tools  # moc
  qtmultimedia5-dev  # Qt Multimedia
  qttools5-dev       # Qt 5 LinguistTools' CMake files
  qttools5-dev-tools # Qt 5 lupdate and lrelease
)
# What the tests need beyond the build: the install test validates the menu entry and metadata.
OLTERIA_TEST_PACKAGES=(
  desktop-file-utils # desktop-file-validate
  appstream          # appstreamcli
  "${OLTERIA_QT5_PACKAGES[@]}"
)
# What ./package needs beyond the build.
OLTERIA_PACKAGE_PACKAGES=(
  dpkg-dev # dpkg-shlibdeps, which CPack runs to compute the package's dependencies
  file     # which CPack runs to find the binaries to strip and scan
  lintian
)

# olteria_install_deps [EXTRA_PACKAGE...]: installs the build packages and the extra ones.
olteria_install_deps() {
  local missing=() pkg
  for pkg in "${OLTERIA_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [[ ${#missing[@]} -eq 0 ]]; then return 0; fi

  echo "Installing: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# olteria_build DIR BUILD_TYPE [TARGET] [-- extra cmake arguments...]
# Configures DIR on first use (Ninja when present) and builds it; later calls
# only rebuild what changed.
olteria_build() {
  local dir="$OLTERIA_ROOT/$1" type="$2"
  shift 2
  local target=()
  if [[ $# -gt 0 && $1 != -- ]]; then
    target=(--target "$1")
    shift
  fi
  if [[ ${1:-} == -- ]]; then shift; fi

  local generator=()
  if [[ ! -f $dir/CMakeCache.txt ]] && command -v ninja >/dev/null; then
    generator=(-G Ninja)
  fi
  cmake -S "$OLTERIA_ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE="$type" "$@"
  cmake --build "$dir" --parallel "$(nproc)" "${target[@]}"
}
