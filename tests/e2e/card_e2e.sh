#!/usr/bin/env bash
# The real program under Xvfb with a real FAT card mounted in the user's media folder (run through
# tests/card/fat_card.sh): the camera dialog opens on the card, Generate writes menu.dat onto it without
# any folder being typed, the card's folder is remembered, and corvane-inspect reads the file back.
#   fat_card.sh run card_e2e.sh <path to corvane> <path to corvane-inspect>
set -euo pipefail
trap 'fail "command failed at line $LINENO"' ERR

program=$1
inspect=$2
timeout_s=${CORVANE_E2E_TIMEOUT:-60}
source "$(dirname "$0")/xvfb_session.sh"
[ -n "${CORVANE_TEST_CARD:-}" ] || fail "no card: run through tests/card/fat_card.sh run"
start_xvfb 1280x800

fresh_home
start_program en_US.UTF-8

# Main window: model "Vyn 8620MG", then the camera button.
choose_model_8620mg
keys Tab space

# The camera dialog, focus on its first list: Enter presses Generate.
focus_window '^Corvane 8620$' >/dev/null
keys Return
wait_for "menu.dat on the card" test -s "$CORVANE_TEST_CARD/menu.dat"
focus_window '^Corvane$' >/dev/null
keys Return
focus_window '^Corvane 8620$' >/dev/null

[ ! -e "$HOME/menu.dat" ] || fail "menu.dat was written into the home folder"
grep -qxF "LastFolder=$CORVANE_TEST_CARD" "$prefs" || fail "the card's folder is not remembered: $(cat "$prefs")"
"$inspect" "$CORVANE_TEST_CARD/menu.dat" || fail "corvane-inspect does not accept menu.dat on the card"

keys Escape
focus_window '^Corvane$' >/dev/null
keys Escape
expect_program_end
echo "card end-to-end run passed"
