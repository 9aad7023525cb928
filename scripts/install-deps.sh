#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Veltrin needs to build, run and test on Debian 12, as root or through sudo.
set -eu
if [ "$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
    cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-multimedia-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n \
    libgl-dev fonts-liberation "$@"
