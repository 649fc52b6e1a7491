# Shared by the start-up scripts (source it after setting `build`, `here`, `timeout_s` and, to compare another
# build, `real`): the programs of the build folder, an Xvfb of its own with a private runtime folder, the dialog
# shapes written from the real templates, the bare program's command line, `button_point` and `setup_title`.
# shellcheck shell=bash

real=${real:-$build/src/corvane}
bare=$build/bench/corvane_bare_dialogs
probe=$build/bench/corvane_map_probe
shapes=$build/bench/corvane_dialog_shapes
for program in "$real" "$bare" "$probe" "$shapes"; do
    [ -x "$program" ] || { echo "missing $program: build the startup_bench target first" >&2; exit 1; }
done

# shellcheck source=tests/e2e/xvfb_session.sh
source "$here/../../tests/e2e/xvfb_session.sh"
start_xvfb 1280x1024
export LANG=C.UTF-8
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

mkdir -p "$work/shapes"
"$shapes" "$work/shapes" || fail "cannot write the dialog shapes"
bare_cmd=("$bare" "$work/shapes/main.shape" "$work/shapes/camera.shape" "$work/shapes/mms.shape"
    "$work/shapes/smtp.shape")

# Centre of the main window's n-th push button (1 camera, 2 MMS, 3 e-mail) as fractions of its size.
button_point() {
    awk -v n="$1" '$1 == "size" { w = $2; h = $3 }
        $1 == "control" && $2 == "button" && ++seen == n { printf "%.4f,%.4f", ($3 + $5 / 2) / w, ($4 + $6 / 2) / h }' \
        "$work/shapes/main.shape"
}
setup_title=$(sed -n 's/^title //p' "$work/shapes/camera.shape")
