#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Brindlow need.
# Safe to run again: apt only installs what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev qt6-charts-dev libqt6opengl6-dev
    libsqlite3-dev libzint-dev libsodium-dev
    xvfb xauth fonts-dejavu-core
    poppler-utils zbar-tools python3
    libqt6sql6-psql libpq-dev postgresql-15
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# "format": clang-format, for tools/format.sh.
if [ "${1:-}" = format ]; then
    packages+=(clang-format-14)
fi

# "fuzz": clang with its libFuzzer and sanitizer runtimes, for tools/fuzz.sh.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

# "package": building the Debian package and checking it, for tools/package.sh.
if [ "${1:-}" = package ]; then
    packages+=(dpkg-dev fakeroot lintian desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests' throwaway PostgreSQL servers run as this user: initdb and
# postgres refuse to run as root.
if [ "$(id -u)" -eq 0 ] && ! id -u brindlow-test >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin brindlow-test
fi
