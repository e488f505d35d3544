#!/usr/bin/env bash
# Sets up, builds and runs the main job on PROFILE_DIR, or on a demo profile (with a demo
# Windows Mail store for the e-mail import) made on first use.
# With a display it opens the host shell, from which "Záznamy → Import e-mailů" starts the
# e-mail import; without one it runs the e-mail import headless beside a listening host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
bin=build/bin
data="${XDG_DATA_HOME:-$HOME/.local/share}/orvanta"
config="${XDG_CONFIG_HOME:-$HOME/.config}/orvanta"
mkdir -p "$data" "$config"

profile=${1:-$data/demo}
if [ -z "${1:-}" ] && [ ! -f "$profile/contacts.sqlite" ]; then
    "$bin/velmora-host" profile create "$profile" --name "Ukázkový profil" --site 1 --demo
fi

# A first run gets a demo mail store and settings that point the e-mail import at it.
if [ ! -f "$config/mailstores.ini" ]; then
    store="$data/demo-mail"
    [ -d "$store" ] || "$bin/orv-demo-mailstore" "$store" >/dev/null
    printf '[outlookexpress]\nStore=%s\n' "$store" > "$config/mailstores.ini"
fi
if [ ! -f "$config/OrvantaMailImport.ini" ]; then
    mkdir -p "$data/attachments"
    printf '[Global]\nMailClientID=outlookexpress\nDataPath=%s/\nInboxAutomat=1\nOutboxAutomat=1\n' \
        "$data/attachments" > "$config/OrvantaMailImport.ini"
    folders=$("$bin/OrvantaMailImport" --headless --folders)
    inbox=$(printf '%s\n' "$folders" | awk -F'\t' '$2 == "Inbox" { print $1; exit }')
    outbox=$(printf '%s\n' "$folders" | awk -F'\t' '$2 == "Sent Items" { print $1; exit }')
    printf '[outlookexpress]\nInboxID=%s\nInboxName=Inbox\nOutboxID=%s\nOutboxName=Sent Items\n' \
        "$inbox" "$outbox" >> "$config/OrvantaMailImport.ini"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/velmora-host" --profile "$profile"
fi

# No display: the host listens, the first firm is the current subject, and the e-mail
# import downloads, imports what belongs to exactly one subject and reloads its links.
site=$("$bin/velmora-host" profile show "$profile" | sed -n "s/^Pobočka: //p")
"$bin/velmora-host" context --profile "$profile" --subject 1 "$site" 1 >/dev/null \
    || echo "The profile has no firm $site/1; the e-mail import runs without a current subject."
log=$(mktemp)
"$bin/velmora-host" listen --log "$log" >/dev/null &
listener=$!
trap 'kill $listener 2>/dev/null; rm -f "$log"' EXIT
sleep 0.5
"$bin/OrvantaMailImport" --headless --yes
echo "--- messages the host received:"
cat "$log"
echo "--- the profile now:"
"$bin/velmora-host" profile show "$profile"
