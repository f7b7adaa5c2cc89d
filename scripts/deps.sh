#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quiet when all are present.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build ccache pkg-config python3 clang-format
  qtbase5-dev qtscript5-dev libqt5webkit5-dev qtmultimedia5-dev libqt5multimedia5-plugins
  # mp3 sounds are decoded with libmpg123.
  libmpg123-dev
  # Crash records name each frame's function, file and line from the modules' debugging information.
  libdw-dev
  libqt5svg5-dev qttools5-dev qttools5-dev-tools libquazip1-qt5-dev libssl-dev zlib1g-dev
  libtidy-dev libstb-dev libstatgrab-dev libxtst-dev libxkbcommon-dev libbenchmark-dev libpulse-dev
  xvfb xauth fonts-dejavu-core openssl desktop-file-utils pulseaudio x11-xkb-utils
  # The program's own font has no Chinese letters: the desktop's font fallback finds them in this one.
  fonts-wqy-microhei
  libqt5websockets5-dev python3-websockets node-ws sox vorbis-tools socat curl dbus
  dovecot-imapd dovecot-pop3d
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
