#!/usr/bin/env bash
# Installs a built tree (default build/) into a scratch prefix and checks what a
# Linux desktop reads from it: the desktop entry, the AppStream data, the .c3d
# file type, the manual pages, the copyright file, the icons, the daily fetch units (also
# where systemctl --user finds them for a prefix in the home), both programs' --version,
# the program started on a file under a virtual display, and the Debian package with
# its library dependencies, passed by lintian without an error or a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=io.github.quor3.Quor3
version=$(sed -n 's/^project(Quor3 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "Install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
# Where the README says: lib/quor3 (lib/<arch>/quor3 when configured for /usr).
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
[[ -f $prefix/$libdir/quor3/quor3-fetch.so ]] || fail "the download module is not in $libdir/quor3"
[[ $libdir != lib ]] || grep -q '`lib/quor3/quor3-fetch.so`' README.md ||
  fail "README does not name lib/quor3 for the module"
for f in bin/quor3 bin/quor3-engine share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/mime/packages/$id.xml share/man/man1/quor3.1.gz share/man/man1/quor3-engine.1.gz \
  share/doc/quor3/copyright share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png; do
  [[ -f $prefix/$f ]] || fail "$f is not installed"
done
for size in 48 128 256; do
  [[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png") == "${size}x${size}" ]] ||
    fail "the ${size}x${size} icon has another size"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" ||
  { cat "$scratch/appstream.log"; fail "AppStream data"; }
appstreamcli validate-tree --no-net "$prefix" >"$scratch/appstream-tree.log" ||
  { cat "$scratch/appstream-tree.log"; fail "AppStream data with the desktop entry and icons"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "AppStream release is not $version"
# The project has no web address yet: no homepage, and no placeholder address anywhere.
! grep -q '<url type="homepage"' "$prefix/share/metainfo/$id.metainfo.xml" || fail "AppStream data names a homepage"
! grep -rq 'example\.com' "$prefix/share/metainfo" "$prefix/share/applications" || fail "a placeholder address is installed"
xmllint --noout "$prefix/share/mime/packages/$id.xml" || fail "file type"
# The desktop's own MIME database must map *.c3d to our type.
update-mime-database "$prefix/share/mime" >"$scratch/mime.log" 2>&1 || { cat "$scratch/mime.log"; fail "update-mime-database"; }
grep -q '^[0-9]*:application/x-quor3-draws:\*\.c3d$' "$prefix/share/mime/globs2" || fail "*.c3d is not registered"
for page in quor3 quor3-engine; do
  man --warnings -l "$prefix/share/man/man1/$page.1.gz" >"$scratch/man.txt" 2>"$scratch/man.log" || fail "manual page $page"
  [[ ! -s $scratch/man.log ]] || { cat "$scratch/man.log"; fail "manual page $page warnings"; }
  grep -q "Quor 3 $version" "$scratch/man.txt" || fail "manual page $page does not name version $version"
done
for option in --help --version; do
  zgrep -qF -- "${option//-/\\-}" "$prefix/share/man/man1/quor3.1.gz" || fail "the manual page quor3 lacks $option"
done
# Debian's machine-readable copyright format, the whole work under GPL-3.0-or-later.
copyright=$prefix/share/doc/quor3/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
grep -qx 'Files: \*' "$copyright" && grep -qx 'License: GPL-3.0-or-later' "$copyright" ||
  fail "the copyright file does not put every file under GPL-3.0-or-later"
for command in $("$prefix/bin/quor3-engine" --help | sed -n 's/^  quor3-engine \([a-z]\+\).*/\1/p'); do
  zgrep -qx "\.B quor3-engine $command" "$prefix/share/man/man1/quor3-engine.1.gz" || fail "the manual page lacks \"$command\""
done

# The daily fetch: both units valid for a user manager, the service running the
# installed engine; nothing is enabled by installing.
units=$prefix/lib/systemd/user
for f in quor3-fetch.service quor3-fetch.timer; do [[ -f $units/$f ]] || fail "$f is not installed"; done
grep -qx "ExecStart=$prefix/bin/quor3-engine fetch --all" "$units/quor3-fetch.service" || fail "the fetch service runs another program"
for key in OnCalendar=daily Persistent=true 'RandomizedDelaySec=.*'; do
  grep -qx "$key" "$units/quor3-fetch.timer" || fail "the fetch timer lacks $key"
done
# Installed for one user (a prefix in the home, ~/.local), the units go where
# systemctl --user looks in the home, ~/.local/share/systemd/user.
mkdir -p "$scratch/user"
HOME=$scratch/user cmake --install "$build" --prefix "$scratch/user/.local" >/dev/null
user_units=$scratch/user/.local/share/systemd/user
grep -qx "ExecStart=$scratch/user/.local/bin/quor3-engine fetch --all" "$user_units/quor3-fetch.service" ||
  fail "installed into ~/.local, the fetch service is not in ~/.local/share/systemd/user or runs another program"
[[ -f $user_units/quor3-fetch.timer && ! -e $scratch/user/.local/lib/systemd ]] ||
  fail "installed into ~/.local, the fetch timer is not (only) in ~/.local/share/systemd/user"
if command -v systemd-analyze >/dev/null; then
  mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
  XDG_RUNTIME_DIR=$scratch/runtime MANPATH=$prefix/share/man \
    systemd-analyze --user verify "$units/quor3-fetch.service" "$units/quor3-fetch.timer" >"$scratch/units.log" 2>&1 &&
    ! grep -q . "$scratch/units.log" || { cat "$scratch/units.log"; fail "the fetch units do not verify"; }
fi

[[ $("$prefix/bin/quor3-engine" --version) == "quor3-engine $version" ]] || fail "quor3-engine --version"
[[ $(QT_QPA_PLATFORM=offscreen "$prefix/bin/quor3" --version) == "quor3 $version" ]] || fail "quor3 --version"

# The installed program on a virtual display: the database named on the command
# line is open, the desktop titles the window after it and has the program's icon.
home=$scratch/home
mkdir -p "$home/quor3box"
"$prefix/bin/quor3-engine" add "$home/quor3box/ga.c3d" 3/1/2002 3 0 7 >/dev/null
# Starts PROGRAM FILE, waits for its window and writes the window's icon
# property to OUT; the window must be titled as the desktop shows it.
show_window() {
  "$1" "$2" 2>/dev/null &
  local pid=$! window=
  for _ in $(seq 150); do
    window=$(xwininfo -root -tree | grep -F '"ga.c3d — Quor 3": ("quor3" "Quor 3")' | awk '{print $1}')
    [[ -n $window ]] && break
    sleep 0.2
  done
  [[ -n $window ]] && xprop -id "$window" _NET_WM_ICON >"$3"
  kill "$pid" 2>/dev/null || true
}
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$scratch \
  xvfb-run -a bash -c "$(declare -f show_window); show_window \"\$@\"" _ \
  "$prefix/bin/quor3" "$home/quor3box/ga.c3d" "$scratch/icon.txt"
[[ -s $scratch/icon.txt ]] || fail "no window titled \"ga.c3d — Quor 3\" with the class quor3"
grep -q 'Icon (48 x 48)' "$scratch/icon.txt" || fail "the main window has no icon"

# The Debian package: the same files under /usr, dependencies from dpkg-shlibdeps,
# the maintainer whoever builds it (the project has no address of its own).
(cd "$build" && DEBFULLNAME="Install Check" DEBEMAIL=install-check@quor3.test cpack -G DEB -B "$scratch/deb" \
  >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/deb/quor3_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ -z $(dpkg-deb -f "$deb" Homepage) ]] || fail "the package names a homepage"
[[ $(dpkg-deb -f "$deb" Maintainer) == "Install Check <install-check@quor3.test>" ]] ||
  fail "the package's maintainer is not the one who built it: $(dpkg-deb -f "$deb" Maintainer)"
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *fonts-liberation* && $recommends == *qt6-translations-l10n* ]] ||
  fail "the package does not recommend the fonts and Qt's translations: $recommends"
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian"; }
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/user/quor3-fetch.service |
  grep -qx 'ExecStart=/usr/bin/quor3-engine fetch --all' || fail "the package's fetch service runs another program"
[[ $depends == *libqt6widgets6* && $depends == *libqt6charts6* ]] ||
  fail "package dependencies: $depends"
contents=$(dpkg-deb -c "$deb")
grep -q "\./usr/share/applications/$id.desktop$" <<<"$contents" || fail "package lacks the desktop entry"
grep -q "\./usr/bin/quor3$" <<<"$contents" || fail "package lacks the program"
grep -q "\./usr/lib/systemd/user/quor3-fetch\.timer$" <<<"$contents" || fail "package lacks the fetch timer"
grep -q "\./usr/lib/.*quor3/quor3-fetch\.so$" <<<"$contents" || fail "package lacks the download module"
grep -q "\./usr/share/doc/quor3/copyright$" <<<"$contents" || fail "package lacks /usr/share/doc/quor3/copyright"
grep -q "\./usr/share/man/man1/quor3\.1\.gz$" <<<"$contents" || fail "package lacks the manual page quor3(1)"
grep -q "\./usr/share/doc/quor3/changelog\.gz$" <<<"$contents" || fail "package lacks its changelog"
echo "Install check: desktop entry, AppStream data, file type, manual pages, copyright, icons, fetch units and $(basename "$deb") (lintian) pass."
