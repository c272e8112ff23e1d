#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Debian package from the build tree (scripts/package.sh, which runs
# lintian when installed), then checks what it carries and installs it into a
# scratch root: the maintainer scripts run there with stand-ins for the
# commands that would change the machine (the group, dpkg's stat overrides),
# a pupil races them for a file that is not theirs, and the installed
# orbeta-cli makes a worksheet from the installed trees. With
# ORBETA_CLEAN_ROOT=1 (root, debootstrap, the network, minutes) the package is
# also installed with apt into a clean Debian 12 root (scripts/clean-root.sh).
#   debian_package.sh SOURCE_DIR BUILD_DIR WORK_DIR VERSION
set -euo pipefail
source=$1 build=$2 work=$3 version=$4
command -v dpkg-deb > /dev/null || { echo "dpkg-deb is not installed"; exit 77; }
command -v dpkg-shlibdeps > /dev/null || { echo "dpkg-shlibdeps (dpkg-dev) is not installed"; exit 77; }
rm -rf "$work"
mkdir -p "$work"
fail() { echo "$*"; exit 1; }

ORBETA_PACKAGE_NO_BUILD=1 bash "$source/scripts/package.sh" "$build" "$work/out" > "$work/package.log" 2>&1 \
  || { cat "$work/package.log"; fail "scripts/package.sh failed"; }
deb="$work/out/orbeta_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $deb: $(ls "$work/out")"

# Dependencies: the libraries found by dpkg-shlibdeps and what is loaded by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 \
               libstdc++6 fonts-dejavu-core fonts-dejavu-extra adduser; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
ar t "$deb" | grep -qx data.tar.xz || fail "the package's data is not data.tar.xz: $(ar t "$deb")"

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/orbeta ./usr/bin/orbeta-cli ./etc/orbeta/Orbeta.ini \
            ./usr/share/orbeta/cd/Data/Sigla.ttf ./usr/share/orbeta/cd/Data/Sigla-LICENSE.txt \
            ./usr/share/applications/sk.tarovia.orbeta.desktop ./usr/share/metainfo/sk.tarovia.orbeta.metainfo.xml \
            ./usr/share/man/man1/orbeta.1.gz ./usr/share/man/man1/orbeta-cli.1.gz \
            ./usr/share/doc/orbeta/copyright ./usr/share/doc/orbeta/changelog.gz \
            ./usr/share/icons/hicolor/48x48/apps/orbeta.png ./usr/share/orbeta/hd/Zadani.dat \
            ./usr/share/orbeta/hd/Znamky.dat ./var/lib/orbeta/; do
  grep -qx -- "$path" <<< "$listing" || fail "the package lacks $path"
done
grep -q '/orbeta/orbeta_sound.so$' <<< "$listing" || fail "the package lacks the sound module"
# The pupils' files must not be in the package: an upgrade would empty them;
# nothing else goes into their folder, which they can write.
if grep -E '\.res$|/Vysledky\.dat$|^\./var/lib/orbeta/.' <<< "$listing"; then
  fail "the package carries files into the pupils' folder"
fi
if grep -v -E '^\./(usr|var/lib/orbeta|etc/orbeta)(/|$)|^\./$|^\./var/$|^\./var/lib/$|^\./etc/$' <<< "$listing"; then
  fail "the package installs outside /usr, /etc/orbeta and /var/lib/orbeta"
fi
dpkg-deb -c "$deb" | awk '$2 != "root/root" {print; bad=1} END {exit bad}' || fail "files not owned by root"
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/orbeta/changelog.gz | gzip -dc \
  | sed -n '1s/^orbeta (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's version is $changelog_version, the package's $version"

# Installed into a scratch root.
root="$work/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$work/control"
ini="$root/etc/orbeta/Orbeta.ini"
for line in CD=/usr/share/orbeta/cd/ HD=/var/lib/orbeta/ TAB=/usr/share/orbeta/hd/; do
  grep -qx "$line" "$ini" || fail "Orbeta.ini lacks $line: $(cat "$ini")"
done
# An administrator's settings survive upgrades.
[ "$(cat "$work/control/conffiles")" = /etc/orbeta/Orbeta.ini ] || fail "conffiles: $(cat "$work/control/conffiles")"
for binary in "$root/usr/bin/orbeta" "$root/usr/bin/orbeta-cli" $(find "$root/usr/lib" -name orbeta_sound.so); do
  if readelf -S "$binary" | grep -q '\.comment'; then fail "$binary keeps its .comment section"; fi
done

stubs="$work/stubs"
mkdir -p "$stubs"
log="$work/commands.log"
printf '#!/bin/sh\necho addgroup "$@" >> "%s"\n' "$log" > "$stubs/addgroup"
printf '#!/bin/sh\nexit 2\n' > "$stubs/getent"
# dpkg-statoverride keeps its one override in a file; --update applies it.
overrides="$work/overrides"
: > "$overrides"
cat > "$stubs/dpkg-statoverride" <<STUB
#!/bin/sh
echo dpkg-statoverride "\$@" >> "$log"
case "\$1" in
  --list) [ -s "$overrides" ] || exit 1; cat "$overrides" ;;
  --remove) : > "$overrides" ;;
  --update) echo "\$3 \$4 \$5 \$6" > "$overrides"; chmod "\$5" "$root\$6" ;;
esac
exit 0
STUB
chmod +x "$stubs"/*
# dpkg-query tells what the installed (old) package listed.
sums="$work/md5sums"
: > "$sums"
printf '#!/bin/sh\n[ "$*" = "--control-show orbeta md5sums" ] && cat "%s"\n' "$sums" > "$stubs/dpkg-query"
chmod +x "$stubs/dpkg-query"
maintainer() { DPKG_ROOT="$root" PATH="$stubs:$PATH" timeout 60 sh "$work/control/$1" "${@:2}"; }

data="$root/var/lib/orbeta"
maintainer postinst configure ""
grep -q '^addgroup --system --quiet orbeta$' "$log" || fail "postinst made no group: $(cat "$log")"
[ "$(cat "$overrides")" = "root orbeta 2770 /var/lib/orbeta" ] || fail "postinst: $(cat "$log")"
[ "$(stat -c %a "$data")" = 2770 ] || fail "the data tree is $(stat -c %a "$data"), not 2770"
for name in Vysledky.dat 1a.res 6c.res; do
  [ -f "$data/$name" ] && [ ! -s "$data/$name" ] || fail "postinst did not create an empty $name"
  [ "$(stat -c %a "$data/$name")" = 660 ] || fail "$name is $(stat -c %a "$data/$name"), not 660"
done
# The first package's own override let every account read the marks; an
# administrator's own is kept.
echo "root orbeta 2775 /var/lib/orbeta" > "$overrides"
maintainer postinst configure "$version"
[ "$(cat "$overrides")" = "root orbeta 2770 /var/lib/orbeta" ] || fail "the old override stayed: $(cat "$overrides")"
echo "root ziaci 2775 /var/lib/orbeta" > "$overrides"
maintainer postinst configure "$version"
[ "$(cat "$overrides")" = "root ziaci 2775 /var/lib/orbeta" ] || fail "the administrator's override: $(cat "$overrides")"

# The folder is the group's: a pupil may leave a link or a pipe under a
# pupil's file name, and swap a file the script has just made for a link to
# a file that is not theirs. The script must leave both alone.
secret="$work/secret"
printf 'root only\n' > "$secret"
chmod 0600 "$secret"
rm "$data/1a.res" "$data/2a.res"
ln -s "$secret" "$data/1a.res"
mkfifo "$data/2a.res"
maintainer postinst configure "$version" || fail "postinst failed on a link or a pipe"
[ -L "$data/1a.res" ] && [ -p "$data/2a.res" ] || fail "postinst replaced a link or a pipe"
rm "$data/1a.res" "$data/2a.res" "$data/Vysledky.dat"
perl -e '
  my ($file, $target, $over) = @ARGV;
  my $end = time + 30;
  while (time < $end && !-e $over) {
    if (lstat($file) && -f _) { unlink $file; symlink $target, $file; select(undef, undef, undef, 0.005); unlink $file }
  }' "$data/Vysledky.dat" "$secret" "$work/race-over" &
racer=$!
for _ in $(seq 30); do maintainer postinst configure "$version" > /dev/null 2>&1 || true; done
touch "$work/race-over"
wait "$racer" || true
[ "$(stat -c %a "$secret")" = 600 ] && [ "$(cat "$secret")" = "root only" ] \
  || fail "a pupil racing postinst made $secret $(stat -c %a "$secret"): $(cat "$secret")"
maintainer postinst configure "$version"

# The first package kept Orbeta.ini in /usr/share/orbeta, a plain file that
# dpkg removes on the upgrade: what the administrator changed there moves
# into the conffile, and only that. Each case: what the old file is, what
# the conffile's HD= and TAB= are afterwards, whether the old file is kept.
cp "$ini" "$work/default.ini"
old_ini="$root/usr/share/orbeta/Orbeta.ini"
first=$'; Orbeta Tarovia: where the program finds its resources (CD) and its data (HD).\n[TRV]\nCD=/usr/share/orbeta/cd/\nHD=/var/lib/orbeta/\n'
printf '%s' "$first" > "$work/first.ini"
while IFS='|' read -r case contents hd tab kept; do
  cp "$work/default.ini" "$ini"
  rm -f "$old_ini" "$root/etc/orbeta/Orbeta.ini.dpkg-old" "$work/edited.ini"
  echo "$(md5sum < "$work/first.ini" | cut -d ' ' -f 1)  usr/share/orbeta/Orbeta.ini" > "$sums"
  case $contents in
    first) cp "$work/first.ini" "$old_ini" ;;
    link) printf '[TRV]\nHD=/etc/\n' > "$work/edited.ini"; ln -s "$work/edited.ini" "$old_ini" ;;
    not-listed) printf '[TRV]\nHD=/srv/share/\n' > "$old_ini"; : > "$sums" ;;
    *) printf "$contents" > "$old_ini" ;;
  esac
  maintainer preinst upgrade 0.1 || fail "$case: preinst failed"
  rm -f "$old_ini"  # what dpkg does with a file the new package lacks
  maintainer postinst configure 0.1 > "$work/postinst.out" || fail "$case: postinst failed"
  grep -qx "HD=$hd" "$ini" && grep -qx "TAB=$tab" "$ini" && grep -qx CD=/usr/share/orbeta/cd/ "$ini" \
    || fail "$case: the conffile is $(cat "$ini")"
  if [ "$kept" = yes ]; then
    [ -f "$root/etc/orbeta/Orbeta.ini.dpkg-old" ] || fail "$case: the old file was not kept"
    grep -q /etc/orbeta/Orbeta.ini "$work/postinst.out" || fail "$case: postinst did not say where the settings went"
  else
    cmp -s "$ini" "$work/default.ini" || fail "$case: the conffile changed: $(cat "$ini")"
    [ ! -e "$root/etc/orbeta/Orbeta.ini.dpkg-old" ] || fail "$case: an old file was kept"
  fi
  [ -z "$(find "$root/etc/orbeta" -name '*.dpkg-0.1' -o -name '*.dpkg-tmp')" ] || fail "$case: a copy was left behind"
  maintainer postinst configure 0.1 > /dev/null
  grep -qx "HD=$hd" "$ini" || fail "$case: configuring again changed the conffile"
done <<'CASES'
unchanged|first|/var/lib/orbeta/|/usr/share/orbeta/hd/|no
a share|[TRV]\r\nCD=/usr/share/orbeta/cd/\r\nhd = /srv/share/ \r\n|/srv/share/|/usr/share/orbeta/hd/|yes
own tables|[trv]\nHD=/srv/share/\nTAB=/srv/tabulky/\n[Iné]\nHD=/nie/\n|/srv/share/|/srv/tabulky/|yes
a link to another file|link|/var/lib/orbeta/|/usr/share/orbeta/hd/|no
not from the first package|not-listed|/var/lib/orbeta/|/usr/share/orbeta/hd/|no
CASES
cp "$work/default.ini" "$ini"
: > "$sums"

# An upgrade keeps what the pupils wrote.
printf 'Jana|9|1|1|0\r\n' > "$data/1a.res"
rm "$data/2b.res"
maintainer postinst configure "$version"
[ "$(cat "$data/1a.res")" = $'Jana|9|1|1|0\r' ] || fail "an upgrade changed 1a.res"
[ -f "$data/2b.res" ] || fail "an upgrade did not create the missing 2b.res"

# The installed command line works from the installed trees.
windir="$work/windir"
mkdir -p "$windir"
sed "s|=/|=$root/|" "$ini" > "$windir/Orbeta.ini"
ORBETA_WINDIR="$windir" "$root/usr/bin/orbeta-cli" worksheet 4a --count 2 --seed 3 -o "$work/sheet.pdf" \
  || fail "the installed orbeta-cli made no worksheet"
[ "$(head -c 5 "$work/sheet.pdf")" = "%PDF-" ] || fail "the worksheet is not a PDF"
"$root/usr/bin/orbeta" --version | grep -qx "orbeta $version" || fail "the installed orbeta does not start"

# Removing keeps the rankings and the log; purging removes them.
rm -rf "$root/usr"  # what dpkg removes of the package's own files
maintainer postrm remove
[ -f "$data/1a.res" ] || fail "removing the package removed the rankings"
maintainer postrm purge
[ ! -e "$data" ] || fail "purging left $data"
grep -q '^dpkg-statoverride --list /var/lib/orbeta$' "$log" || fail "postrm: $(cat "$log")"

if [ "${ORBETA_CLEAN_ROOT:-0}" = 1 ]; then
  status=0
  bash "$source/scripts/clean-root.sh" "$deb" "$work/clean-root" || status=$?
  [ "$status" = 0 ] || [ "$status" = 77 ] || fail "the package fails on a clean Debian 12 (above)"
else
  echo "A clean Debian 12 root was not tried: ORBETA_CLEAN_ROOT=1 tries it (root, debootstrap, the network)."
fi
rm -rf "$work"
