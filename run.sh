#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor: ./run.sh [FILE]
set -euo pipefail
BRINDLE_ROOT=$(cd "$(dirname "$0")" && pwd)
source "$BRINDLE_ROOT/tools/setup.sh"

brindle_install_packages
brindle_configure "$BRINDLE_ROOT/build"
cmake --build "$BRINDLE_ROOT/build"

editor="$BRINDLE_ROOT/build/src/platform/qt/visual-brindle"
if [ -x "$editor" ]; then
  exec "$editor" "$@"
fi
echo "The editor is not built yet; here is the command-line tool instead." >&2
exec "$BRINDLE_ROOT/build/src/cli/brindle" --help
