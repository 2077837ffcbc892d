#!/usr/bin/env bash
# `make install` with DESTDIR and PREFIX (and with the default PREFIX) puts exactly the program,
# its manual page, the bash and zsh completions, the desktop entry and its icon in place; the
# installed page renders without warnings, the installed program prints its version and the
# desktop entry is valid and names the installed program and icon.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
# Run from ctest under make: the outer make's jobserver is not ours.
unset MAKEFLAGS MAKELEVEL MFLAGS

install_into() {  # DESTDIR [PREFIX]
  local args=(-C "$source_dir" --no-print-directory install BUILD_DIR="$build_dir" DESTDIR="$1")
  [[ -n ${2:-} ]] && args+=(PREFIX="$2")
  make "${args[@]}" >"$work/make.log" 2>&1 || { cat "$work/make.log"; fail "make install failed"; }
}

expected_files() {  # PREFIX without its leading slash
  printf '%s\n' "$1/bin/caelix" "$1/share/applications/caelix.desktop" \
    "$1/share/bash-completion/completions/caelix" "$1/share/icons/hicolor/scalable/apps/caelix.svg" \
    "$1/share/man/man1/caelix.1" "$1/share/zsh/site-functions/_caelix" | sort
}

check_tree() {  # DESTDIR PREFIX-without-slash
  local got
  got=$(cd "$1" && find . -type f | sed 's|^\./||' | sort)
  [[ $got == "$(expected_files "$2")" ]] || fail "installed under $1:"$'\n'"$got"$'\n'"wanted:"$'\n'"$(expected_files "$2")"
  [[ -x $1/$2/bin/caelix ]] || fail "$2/bin/caelix is not executable"
}

# PREFIX=/usr staged in DESTDIR.
stage=$work/stage
install_into "$stage" /usr
check_tree "$stage" usr

version=$("$stage/usr/bin/caelix" --version) || fail "the installed caelix --version failed"
[[ $version == "caelix "[0-9]* ]] || fail "caelix --version printed '$version'"

man_out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/caelix.1" 2>"$work/man.err") ||
  fail "man -l failed: $(cat "$work/man.err")"
[[ ! -s $work/man.err ]] || fail "man --warnings: $(cat "$work/man.err")"
grep -q '^NAME' <<<"$man_out" || fail "the page has no NAME section"
grep -q 'caelix - natal-chart calculator' <<<"$man_out" || fail "the page does not name the program"

desktop=$stage/usr/share/applications/caelix.desktop
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate refused the entry"
fi
exec_word=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $stage/usr/bin/$exec_word ]] || fail "Exec names '$exec_word', which is not the installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ -f $stage/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "Icon names '$icon', which is not installed"
grep -q '^StartupWMClass=caelix$' "$desktop" || fail "the entry does not name the windows' class"

bash -n "$stage/usr/share/bash-completion/completions/caelix" || fail "the bash completion does not parse"
if command -v zsh >/dev/null; then
  zsh -n "$stage/usr/share/zsh/site-functions/_caelix" || fail "the zsh completion does not parse"
fi

# The default PREFIX.
install_into "$work/default"
check_tree "$work/default" usr/local
echo "install: passed"
