#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
bash "$(dirname "$0")/install-packages.sh" cmake g++ make pkg-config libncurses-dev libgtest-dev python3-markdown
