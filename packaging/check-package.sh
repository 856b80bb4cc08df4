#!/usr/bin/env bash
# What the distributions' maintainers check before accepting the packages, and what a
# teacher finds in them: lintian and rpmlint without an error or a warning, the same files
# in both, a valid menu entry and AppStream description, a manual page in English and
# Russian for every program and for vatro.conf(5), the documentation, the dependencies (the
# RPM's by the libraries' sonames), and each package's checker passing its sample quiz.
#   packaging/check-package.sh build/release/vatro_1.0_amd64.deb build/release/vatro-1.0-1.x86_64.rpm
set -euo pipefail
deb=$1
rpm=$2
here=$(dirname "$0")
failures=0
fail() {
    echo "package-check: $*" >&2
    failures=$((failures + 1))
}

echo "lintian $(lintian --version | cut -d' ' -f2) on $deb"
lintian --display-info --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

echo "rpmlint on $rpm"
said=$(rpmlint -c "$here/rpmlint.toml" "$rpm" 2>&1) || true
echo "$said" | grep -E '^vatro|checked;' || true
[[ "$said" == *"0 errors, 0 warnings"* ]] || fail "rpmlint found errors or warnings"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/deb"
mkdir "$work/rpm"
rpm2cpio "$rpm" | (cd "$work/rpm" && cpio -idm --quiet)

# One set of install rules: the same files, but lintian's own in the Debian package.
files() { (cd "$1" && find . ! -type d | grep -v '^\./usr/share/lintian/' | sort); }
[[ "$(files "$work/deb")" == "$(files "$work/rpm")" ]] ||
    fail "the packages hold different files: $(diff <(files "$work/deb") <(files "$work/rpm") | tr '\n' ' ')"

# What each package puts on a machine.
check_tree() {
    local root=$1 kind=$2
    for entry in "$root"/usr/share/applications/*.desktop; do
        # Hints count too: they are what makes an entry show twice in a menu.
        said=$(desktop-file-validate "$entry" 2>&1) || fail "$kind: desktop-file-validate failed"
        [[ -z "$said" ]] || fail "$kind: desktop-file-validate: $said"
        for action in --edit --choose; do
            grep -q "^Exec=vatro-launch $action\$" "$entry" ||
                fail "$kind: ${entry##*/}: no action vatro-launch $action"
        done
        grep -q '^Exec=vatro-journal$' "$entry" || fail "$kind: ${entry##*/}: no action for the class journal"
    done
    appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
        fail "$kind: appstreamcli validate"
    appstreamcli validate-tree --no-net "$root" >/dev/null || fail "$kind: appstreamcli validate-tree"

    for program in "$root"/usr/bin/*; do
        name=${program##*/}
        for folder in man1 ru/man1; do
            [[ -f "$root/usr/share/man/$folder/$name.1.gz" ]] ||
                fail "$kind: no manual page $folder/$name.1.gz"
        done
    done
    for page in "$root"/usr/share/man/{,ru/}man1/*.1.gz; do
        name=${page##*/}
        [[ -x "$root/usr/bin/${name%.1.gz}" ]] || fail "$kind: a manual page for no program: ${page#"$root"}"
    done
    for folder in man5 ru/man5; do
        [[ -f "$root/usr/share/man/$folder/vatro.conf.5.gz" ]] ||
            fail "$kind: no manual page $folder/vatro.conf.5.gz"
    done

    local doc=$root/usr/share/doc/vatro
    for file in copyright changelog.gz teacher-guide.md sample-quiz.md vatro.conf.example; do
        [[ -s "$doc/$file" ]] || fail "$kind: no $file in /usr/share/doc/vatro"
    done
    grep -q '^## Проверка викторины' "$doc/teacher-guide.md" ||
        fail "$kind: teacher-guide.md lacks the README's part on checking a quiz"
    grep -q '^## Компьютерный класс' "$doc/teacher-guide.md" ||
        fail "$kind: teacher-guide.md lacks the README's part on a computer lab"

    # The installed checker, stripped, on the installed sample quiz: nothing to fix.
    "$root/usr/bin/vatro-check" "$root/usr/share/vatro/quiz" >"$work/report.txt" ||
        fail "$kind: vatro-check from the package rejects the packaged sample quiz: $(cat "$work/report.txt")"
}
check_tree "$work/deb" deb
check_tree "$work/rpm" rpm

depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-translations-l10n fonts-liberation2 fonts-urw-base35 libqt6widgets6 \
    libqt6printsupport6; do
    [[ ",$depends," == *", $needed"[,\ ]* || "$depends" == "$needed"[,\ ]* ]] ||
        fail "Depends lacks $needed"
done

# The RPM asks for libraries by soname, which every distribution's Qt 6 provides, and for
# no package by a Debian name; fonts and translations are suggestions only.
requires=$(rpm -qp --requires "$rpm")
for soname in 'libQt6Widgets.so.6()(64bit)' 'libQt6Gui.so.6()(64bit)' 'libQt6Core.so.6()(64bit)'; do
    grep -qxF "$soname" <<<"$requires" || fail "the RPM does not require $soname"
done
if grep -E '^(qt6-|fonts-|libqt6)' <<<"$requires"; then
    fail "the RPM requires a package by a Debian name"
fi
grep -qxF 'font(liberationsans)' <(rpm -qp --suggests "$rpm") ||
    fail "the RPM does not suggest the font Liberation Sans"

if ((failures)); then
    echo "package-check: $failures problem(s) in $deb and $rpm" >&2
    exit 1
fi
echo "package-check: $deb and $rpm passed"
