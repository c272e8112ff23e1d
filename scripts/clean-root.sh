#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Tries the Debian package as a school's administrator would, on a clean
# Debian 12 that nothing of this machine can help: a minimal root made with
# debootstrap, the package installed there with apt, then, as a pupil of the
# group orbeta, the tour of every screen offscreen, the desktop entry's
# command (on $DISPLAY when one is set, offscreen otherwise) and a worksheet
# from orbeta-cli. It also replays a pupil racing the maintainer script for a
# file of root's, tries to move and to forge the tables, checks what an account
# outside the group can read, and that the administrator's Orbeta.ini survives
# a reinstall and an upgrade; then the package is purged. Last, a stand-in
# for the first package (Orbeta.ini in /usr/share/orbeta) is installed, its
# Orbeta.ini changed, and upgraded to this package.
#   scripts/clean-root.sh DEB [WORK_DIR]
# Needs root, debootstrap, unshare and the network. The pristine root is kept as
# a tarball in ORBETA_CLEAN_ROOT_CACHE (default ~/.cache/orbeta/clean-root),
# with apt's downloads, so that a second run downloads only what changed.
# ORBETA_DEBIAN_MIRROR names the mirror (default: the one this machine's apt
# uses). The root is removed afterwards unless ORBETA_CLEAN_ROOT_KEEP=1.
set -euo pipefail
deb=$(readlink -f "${1:?usage: clean-root.sh DEB [WORK_DIR]}")
work=$(readlink -m "${2:-${TMPDIR:-/tmp}/orbeta-clean-root}")
cache=${ORBETA_CLEAN_ROOT_CACHE:-$HOME/.cache/orbeta/clean-root}
[ "$(id -u)" = 0 ] || { echo "clean-root.sh: needs root (debootstrap, chroot)" >&2; exit 77; }
for tool in debootstrap unshare chroot dpkg-deb; do
  command -v "$tool" > /dev/null || { echo "clean-root.sh: $tool is not installed" >&2; exit 77; }
done

# Mounts made below live in a namespace of their own and vanish with it.
if [ -z "${ORBETA_CLEAN_ROOT_NAMESPACE:-}" ]; then
  exec env ORBETA_CLEAN_ROOT_NAMESPACE=1 unshare --mount --propagation private -- \
    bash "$(readlink -f "${BASH_SOURCE[0]}")" "$deb" "$work"
fi

fail() { echo "clean root: $*" >&2; exit 1; }
step() { echo "clean root: $*"; }

host_mirror() {
  {
    grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}'
    grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | sed 's/\[[^]]*\]//' | awk '{print $2}'
  } | grep -v -- '-security' | grep -m1 '/debian/\?$' || echo http://deb.debian.org/debian
}
mirror=${ORBETA_DEBIAN_MIRROR:-$(host_mirror)}
tarball="$cache/bookworm-minbase.tar"
mkdir -p "$cache/archives/partial"
if [ ! -f "$tarball" ]; then
  step "debootstrap --variant=minbase bookworm from $mirror"
  rm -rf "$cache/bootstrap"
  debootstrap --variant=minbase bookworm "$cache/bootstrap" "$mirror" > "$cache/debootstrap.log" 2>&1 \
    || { tail -n 20 "$cache/debootstrap.log" >&2; fail "debootstrap failed"; }
  tar -C "$cache/bootstrap" -cf "$tarball.part" .
  mv "$tarball.part" "$tarball"
  rm -rf "$cache/bootstrap"
fi

root="$work/root"
rm -rf --one-file-system "$work"
mkdir -p "$root"
tar -C "$root" -xf "$tarball"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Unmounted before anything is removed: the cache and the X server's sockets
# are this machine's.
mounts=()
unmount_all() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" || true; done
  mounts=()
}
trap unmount_all EXIT
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
mount --bind "$cache/archives" "$root/var/cache/apt/archives" && mounts+=("$root/var/cache/apt/archives")
cp "$deb" "$root/tmp/"
package="/tmp/$(basename "$deb")"

# A command in the root, with an environment of its own.
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"
}
# A command in the root as a user; QT_QPA_PLATFORM and DISPLAY pass through.
as_user() {
  local user=$1
  shift
  chroot "$root" /usr/sbin/runuser -u "$user" -- /usr/bin/env -i PATH=/usr/bin:/bin HOME="/home/$user" \
    LANG=C.UTF-8 ${QT_QPA_PLATFORM:+QT_QPA_PLATFORM=$QT_QPA_PLATFORM} ${DISPLAY:+DISPLAY=$DISPLAY} "$@"
}

step "apt install $package"
in_root apt-get update -qq > "$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get update failed"; }
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$package" >> "$work/apt.log" 2>&1 \
  || { tail -n 30 "$work/apt.log" >&2; fail "apt install failed"; }
version=$(dpkg-deb -f "$deb" Version)
[ "$(in_root dpkg-query -W -f '${Version}' orbeta)" = "$version" ] || fail "orbeta $version is not installed"

in_root useradd --create-home --groups orbeta jana
in_root useradd --create-home hostia

step "the tour as a pupil, offscreen"
QT_QPA_PLATFORM=offscreen as_user jana orbeta --tour /home/jana/tour > "$work/tour.log" 2>&1 \
  || { tail -n 20 "$work/tour.log" >&2; fail "orbeta --tour failed"; }
screens=$(find "$root/home/jana/tour" -name '*.png' | wc -l)
[ "$screens" -gt 0 ] || fail "the tour drew no screen"
step "the tour drew $screens screens"

exec_line=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
[ -n "$exec_line" ] || fail "no desktop entry with an Exec line"
if [ -n "${DISPLAY:-}" ] && [ -d /tmp/.X11-unix ]; then
  mkdir -p "$root/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounts+=("$root/tmp/.X11-unix")
  platform=xcb
else
  platform=offscreen
fi
step "the desktop entry's command \"$exec_line\" ($platform)"
status=0
# shellcheck disable=SC2086  # the Exec line is a command with its arguments
QT_QPA_PLATFORM=$platform timeout 8 chroot "$root" /usr/sbin/runuser -u jana -- /usr/bin/env -i PATH=/usr/bin:/bin \
  HOME=/home/jana LANG=C.UTF-8 QT_QPA_PLATFORM=$platform ${DISPLAY:+DISPLAY=$DISPLAY} $exec_line \
  > "$work/start.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/start.log" >&2; fail "orbeta ended with status $status within 8 seconds"; }

step "a worksheet from orbeta-cli"
as_user jana orbeta-cli worksheet 1a --count 3 --seed 7 -o /home/jana/list.pdf > "$work/cli.log" 2>&1 \
  || { cat "$work/cli.log" >&2; fail "orbeta-cli worksheet failed"; }
[ "$(head -c 5 "$root/home/jana/list.pdf")" = "%PDF-" ] || fail "the worksheet is not a PDF"

step "an account outside the group reads no marks"
if as_user hostia cat /var/lib/orbeta/Vysledky.dat > /dev/null 2>&1; then
  fail "an account outside the group orbeta reads the results log"
fi

step "a pupil can neither move a table away nor put a forged one in its place"
if as_user jana mv /usr/share/orbeta/hd/Znamky.dat /home/jana/ 2> /dev/null; then
  fail "a pupil moved Znamky.dat away"
fi
mark=$(as_user jana orbeta-cli mark 5 10)
as_user jana sh -c 'printf "forged\r\n" > /var/lib/orbeta/Znamky.dat'
[ "$(as_user jana orbeta-cli mark 5 10)" = "$mark" ] || fail "a Znamky.dat in the data folder replaced the package's"
rm -f "$root/var/lib/orbeta/Znamky.dat"

step "a pupil races the maintainer script for a file of root's"
in_root sh -c 'echo tajne > /etc/orbeta-race; chmod 0600 /etc/orbeta-race'
rm -f "$root/var/lib/orbeta/Vysledky.dat"
as_user jana perl -e '
  my ($f, $t) = ("/var/lib/orbeta/Vysledky.dat", "/etc/orbeta-race");
  my $end = time + 20;
  while (time < $end && !-e "/tmp/race-over") {
    if (lstat($f) && -f _) { unlink $f; symlink $t, $f; select(undef, undef, undef, 0.01); unlink $f }
  }' &
racer=$!
for _ in $(seq 15); do
  in_root dpkg-reconfigure orbeta > /dev/null 2>&1 || true
done
touch "$root/tmp/race-over"
wait "$racer" || true
[ "$(stat -c '%U:%G %a' "$root/etc/orbeta-race")" = "root:root 600" ] \
  || fail "the race made /etc/orbeta-race $(stat -c '%U:%G %a' "$root/etc/orbeta-race")"

step "the administrator's Orbeta.ini survives a reinstall and an upgrade"
mkdir -p "$root/srv/share"
in_root chgrp orbeta /srv/share
chmod 2770 "$root/srv/share"
sed -i 's|^HD=.*|HD=/srv/share/|' "$root/etc/orbeta/Orbeta.ini"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$package" >> "$work/apt.log" 2>&1 \
  || { tail -n 20 "$work/apt.log" >&2; fail "apt install --reinstall failed"; }
grep -qx 'HD=/srv/share/' "$root/etc/orbeta/Orbeta.ini" || fail "a reinstall reset Orbeta.ini: $(cat "$root/etc/orbeta/Orbeta.ini")"
# The same package under a higher version stands for the next release.
dpkg-deb -R "$deb" "$work/next"
sed -i "s/^Version: .*/Version: $version+1/" "$work/next/DEBIAN/control"
dpkg-deb -b -Zxz "$work/next" "$root/tmp/orbeta-next.deb" > /dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/orbeta-next.deb >> "$work/apt.log" 2>&1 \
  || { tail -n 20 "$work/apt.log" >&2; fail "the upgrade failed"; }
[ "$(in_root dpkg-query -W -f '${Version}' orbeta)" = "$version+1" ] || fail "the upgrade was not installed"
grep -qx 'HD=/srv/share/' "$root/etc/orbeta/Orbeta.ini" || fail "an upgrade reset Orbeta.ini: $(cat "$root/etc/orbeta/Orbeta.ini")"
as_user jana touch /srv/share/Vysledky.dat
status=0
QT_QPA_PLATFORM=offscreen timeout 6 chroot "$root" /usr/sbin/runuser -u jana -- /usr/bin/env -i PATH=/usr/bin:/bin \
  HOME=/home/jana LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen orbeta > "$work/share.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/share.log" >&2; fail "orbeta does not start with its data on the share"; }

step "apt purge removes the settings and the data tree"
in_root apt-get purge -y -q orbeta >> "$work/apt.log" 2>&1 || { tail -n 20 "$work/apt.log" >&2; fail "apt purge failed"; }
[ ! -e "$root/etc/orbeta" ] && [ ! -e "$root/var/lib/orbeta" ] || fail "purging left /etc/orbeta or /var/lib/orbeta"

step "an upgrade from the first package moves its changed Orbeta.ini into /etc/orbeta"
# The first package (0.1) had Orbeta.ini in /usr/share/orbeta, a plain file,
# and the tables in /var/lib/orbeta, with no conffile and no preinst; this
# one stands for it, under a lower version.
first="$work/first"
dpkg-deb -R "$deb" "$first"
rm -r "$first/etc" "$first/DEBIAN/conffiles" "$first/DEBIAN/preinst"
printf '; Orbeta Tarovia: where the program finds its resources (CD) and its data (HD).\n[TRV]\nCD=/usr/share/orbeta/cd/\nHD=/var/lib/orbeta/\n' \
  > "$first/usr/share/orbeta/Orbeta.ini"
cp -a "$first/usr/share/orbeta/hd/." "$first/var/lib/orbeta/"
sed -i "s/^Version: .*/Version: $version~first/" "$first/DEBIAN/control"
(cd "$first" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z | xargs -0 md5sum > DEBIAN/md5sums)
dpkg-deb -b -Zxz "$first" "$root/tmp/orbeta-first.deb" > /dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/orbeta-first.deb >> "$work/apt.log" 2>&1 \
  || { tail -n 20 "$work/apt.log" >&2; fail "installing the stand-in for the first package failed"; }
sed -i 's|^HD=.*|HD=/srv/share/|' "$root/usr/share/orbeta/Orbeta.ini"
# No terminal: a conffile question would fail the upgrade.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$package" < /dev/null >> "$work/apt.log" 2>&1 \
  || { tail -n 20 "$work/apt.log" >&2; fail "the upgrade from the first package failed"; }
[ "$(in_root dpkg-query -W -f '${Version}' orbeta)" = "$version" ] || fail "the upgrade from the first package was not installed"
grep -qx 'HD=/srv/share/' "$root/etc/orbeta/Orbeta.ini" && grep -qx 'TAB=/usr/share/orbeta/hd/' "$root/etc/orbeta/Orbeta.ini" \
  || fail "the first package's settings did not reach /etc/orbeta/Orbeta.ini: $(cat "$root/etc/orbeta/Orbeta.ini")"
[ ! -e "$root/usr/share/orbeta/Orbeta.ini" ] && [ ! -e "$root/var/lib/orbeta/Znamky.dat" ] \
  || fail "the upgrade left the first package's Orbeta.ini or tables"
[ -f "$root/etc/orbeta/Orbeta.ini.dpkg-old" ] || fail "the first package's changed Orbeta.ini was not kept"
status=0
QT_QPA_PLATFORM=offscreen timeout 6 chroot "$root" /usr/sbin/runuser -u jana -- /usr/bin/env -i PATH=/usr/bin:/bin \
  HOME=/home/jana LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen orbeta > "$work/first.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/first.log" >&2; fail "orbeta does not start after the upgrade from the first package"; }
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$package" < /dev/null >> "$work/apt.log" 2>&1 \
  || { tail -n 20 "$work/apt.log" >&2; fail "apt install --reinstall after the upgrade failed"; }
grep -qx 'HD=/srv/share/' "$root/etc/orbeta/Orbeta.ini" || fail "a reinstall reset the moved settings"
in_root apt-get purge -y -q orbeta >> "$work/apt.log" 2>&1 || { tail -n 20 "$work/apt.log" >&2; fail "apt purge failed"; }
[ ! -e "$root/etc/orbeta" ] || fail "purging left $(ls -A "$root/etc/orbeta") in /etc/orbeta"

step "all checks passed"
unmount_all
[ "${ORBETA_CLEAN_ROOT_KEEP:-0}" = 1 ] || rm -rf --one-file-system "$work"
