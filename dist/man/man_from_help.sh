#!/bin/sh
# The manual page of a program whose --help is itself laid out as a manual page (NAME, SYNOPSIS, ...
# headings at the margin, indented text): converted with txt2man, each option as a tagged paragraph.
#   man_from_help.sh PROGRAM OUTPUT
set -eu

program=$1
output=$2
name=$(basename "$program")
version=$("$program" --version)
date=$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" '+%B %Y')

"$program" --help | txt2man -t "$name" -s 1 -r "$version" -v "User Commands" -d "$date" |
    sed -e 's/^\(\\fB-.*\)$/.TP\n\1/' -e 's/^--$/.TP\n\\fB--\\fP/' >"$output"
