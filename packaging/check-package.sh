#!/usr/bin/env bash
# What a Debian maintainer checks before accepting the package, and what a teacher finds in
# it: lintian without an error or a warning, a valid menu entry and AppStream description,
# a manual page in English and Russian for every program, the documentation, and the
# packaged checker passing the packaged sample quiz.
#   packaging/check-package.sh build/release/vatro_1.0_amd64.deb
set -euo pipefail
deb=$1
failures=0
fail() {
    echo "package-check: $*" >&2
    failures=$((failures + 1))
}

echo "lintian $(lintian --version | cut -d' ' -f2) on $deb"
lintian --display-info --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

for entry in "$root"/usr/share/applications/*.desktop; do
    # Hints count too: they are what makes an entry show twice in a menu.
    said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
    [[ -z "$said" ]] || fail "desktop-file-validate: $said"
    grep -q '^Exec=vatro-launch --edit$' "$entry" || fail "${entry##*/}: no action for the editor"
    grep -q '^Exec=vatro-journal$' "$entry" || fail "${entry##*/}: no action for the class journal"
done
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

for program in "$root"/usr/bin/*; do
    name=${program##*/}
    for folder in man1 ru/man1; do
        page=$root/usr/share/man/$folder/$name.1.gz
        [[ -f "$page" ]] || fail "no manual page $folder/$name.1.gz"
    done
done
for page in "$root"/usr/share/man/{,ru/}man1/*.1.gz; do
    name=${page##*/}
    [[ -x "$root/usr/bin/${name%.1.gz}" ]] || fail "a manual page for no program: ${page#"$root"}"
done

doc=$root/usr/share/doc/vatro
for file in copyright changelog.gz teacher-guide.md sample-quiz.md; do
    [[ -s "$doc/$file" ]] || fail "no $file in /usr/share/doc/vatro"
done
grep -q '^## Проверка викторины' "$doc/teacher-guide.md" ||
    fail "teacher-guide.md lacks the README's part on checking a quiz"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-translations-l10n fonts-liberation2 fonts-urw-base35 libqt6widgets6 \
    libqt6printsupport6; do
    [[ ",$depends," == *", $needed"[,\ ]* || "$depends" == "$needed"[,\ ]* ]] ||
        fail "Depends lacks $needed"
done

# The installed checker, stripped, on the installed sample quiz: nothing to fix.
"$root/usr/bin/vatro-check" "$root/usr/share/vatro/quiz" >"$root/report.txt" ||
    fail "vatro-check from the package rejects the packaged sample quiz: $(cat "$root/report.txt")"

if ((failures)); then
    echo "package-check: $failures problem(s) in $deb" >&2
    exit 1
fi
echo "package-check: $deb passed"
