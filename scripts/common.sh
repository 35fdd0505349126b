# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs and configures and builds one build tree.

# Qt Charts' CMake package needs Qt's OpenGL one, which qt6-charts-dev does not pull in.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-charts-dev libqt6opengl6-dev
  qt6-multimedia-dev gstreamer1.0-plugins-good
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth trayer xdotool fonts-dejavu-core locales tzdata
  dpkg-dev file desktop-file-utils
  dbus python3-dbusmock
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

# Sanitized programs leave the system D-Bus library's buffers to LeakSanitizer.
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

install_packages() {
  local missing=()
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_tree DIR BUILD_TYPE [extra cmake args...]
configure_tree() {
  local dir=$1 type=$2
  shift 2
  # ccache, when there is one, makes rebuilding the trees cheap; nothing needs it.
  local launcher=
  command -v ccache >/dev/null 2>&1 && launcher=ccache
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" "$@" >/dev/null
}

# build_tree DIR BUILD_TYPE [extra cmake args...]
build_tree() {
  configure_tree "$@"
  cmake --build "$ROOT/$1"
}

# The release tree: what scripts/run starts and the Debian package holds.
build_release_tree() {
  build_tree build/release Release -DVARNOLT_TESTS=OFF -DVARNOLT_BENCH=OFF
}

# The tests prove that numbers ignore the locale, so they need a German one.
ensure_test_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "The German locale is missing. Generate it with:" >&2
    echo "  echo 'de_DE.UTF-8 UTF-8' | sudo tee -a /etc/locale.gen && sudo locale-gen" >&2
    exit 1
  fi
  grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
}
