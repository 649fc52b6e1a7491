#!/usr/bin/env bash
# What the package's metadata promises, checked against the source: the desktop entry in every language
# of the program, one version everywhere, and every bundled data set named in the copyright file.
#   metadata_test.sh SOURCE_DIR VERSION APP_ID DESKTOP_LOCALES_PROGRAM
set -uo pipefail

src=$1
version=$2
app_id=$3
locales=$("$4") || { echo "FAIL: $4 did not run" >&2; exit 1; }
[ -n "$locales" ] || { echo "FAIL: the language catalogue names no desktop locale" >&2; exit 1; }
desktop="$src/dist/$app_id.desktop"
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

for key in Name GenericName Comment; do
    grep -q "^$key=." "$desktop" || fail "$key missing"
    for lang in $locales; do
        grep -q "^$key\[$lang\]=." "$desktop" || fail "$key[$lang] missing in the desktop entry"
    done
done
grep -qx 'StartupWMClass=corvane' "$desktop" || fail "StartupWMClass is not the program's window class"

release=$(grep -o '<release version="[^"]*"' "$src/dist/$app_id.metainfo.xml" | head -n 1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "newest AppStream release is '$release', the project is $version"
changelog=$(dpkg-parsechangelog -l "$src/dist/changelog" -S Version) || fail "changelog does not parse"
[ "$changelog" = "$version" ] || fail "newest changelog entry is '$changelog', the project is $version"

# Repositories named in the source tables of the bundled data (`owner/name` in a table row).
repos=$(find "$src/src" -name SOURCES.md -exec grep -h '^|' {} + | grep -o '`[^`/ ]\+/[^`/ ]\+`' | tr -d '`' |
    sort -u)
[ -n "$repos" ] || fail "no data sources found in any SOURCES.md"
for repo in $repos; do
    grep -q "$repo" "$src/dist/copyright" || fail "dist/copyright does not name the data source $repo"
done

[ "$failed" -eq 0 ] && echo "metadata agree: version $version, sources: $(echo $repos)"
exit "$failed"
