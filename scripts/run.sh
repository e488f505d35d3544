#!/usr/bin/env bash
# Sets up, builds and runs the main job: opens the given profile, or a demo profile made
# on first use in ~/.local/share/orvanta/demo, and prints what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
profile=${1:-}
if [ -z "$profile" ]; then
    profile="${XDG_DATA_HOME:-$HOME/.local/share}/orvanta/demo"
    [ -f "$profile/contacts.sqlite" ] || build/bin/velmora-host profile create "$profile" --name Demo --site 1 --demo
fi
build/bin/velmora-host profile show "$profile"
