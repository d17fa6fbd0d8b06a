#!/usr/bin/env bash
# The exported documents as their readers take them: the LaTeX file compiles
# unchanged with pdflatex, and the PDF's text, as pdftotext extracts it,
# holds every result as the fields show it.
#   check-export.sh VERTISEL
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# NAME LOCALE "EIGHT NUMBERS" RESULT...
check() {
    local name=$1 locale=$2 numbers=$3
    shift 3
    # shellcheck disable=SC2086
    LC_ALL=$locale "$program" --export "$work/$name.tex" $numbers || fail "$name: no .tex"
    # shellcheck disable=SC2086
    LC_ALL=$locale "$program" --export "$work/$name.pdf" $numbers || fail "$name: no .pdf"
    (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error -output-directory tex \
        "$name.tex" >"$name.latex.log" 2>&1) \
        || { grep -A3 '^!' "$work/$name.latex.log"; fail "$name: pdflatex stopped"; }
    [ "$(pdfinfo "$work/$name.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "$name: not one page"
    local text result
    text=$(pdftotext -layout "$work/$name.pdf" -)
    for result in "$@"; do
        grep -qF -- "$result" <<<"$text" || fail "$name: '$result' not in the PDF's text"
    done
    echo "ok: $name"
}

mkdir -p "$work/tex"
check task C "1 15 10 15 5 1 5 25" \
    0.0000 9.0000 −135.0000 −24.0000 120.0000 999.9999 5.0000 15.0000
check fraction bg_BG.UTF-8 "0 0 1 2 0 1 1 0" \
    −2,0000 1,0000 0,0000 2,0000 −1,0000 0,3333 0,6667 "1/3" "2/3"
check parallel C "0 0 10 10 0 5 10 15" \
    −10.0000 10.0000 1.0000 50.0000 успоредни
exit $failed
