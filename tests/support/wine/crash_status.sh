# Sourced by the Wine runners.
#   crash_status STATUS STDERR-FILE   prints the status a test should end with
# A crash in a thread other than the first ends the program with status 0 once Wine's debugger has shown
# it: Wine's own line on standard error is what tells.
crash_status() {
    if grep -q '^wine: Unhandled' "$2"; then
        echo "the program crashed (Wine's report above)" >&2
        [ "$1" -ne 0 ] && echo "$1" || echo 1
    else
        echo "$1"
    fi
}
