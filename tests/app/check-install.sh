#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and a
# package manager get: the two programs (each answering with the project
# version), a valid menu entry with its icons, valid AppStream metainfo, a man
# page for each program, nothing else; then builds the Debian package and
# checks that it holds exactly those files and library dependencies read from
# the binaries.
# Usage: check-install.sh <build dir> <source dir> <version> <cpack>
set -uo pipefail
build=$1 source=$2 version=$3 cpack=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
cd "$prefix" || exit 1
installed=$(find . -type f -printf '%P\n' | sort)
echo "installed:"; sed 's/^/  /' <<<"$installed"

# Only programs and the files beside them: no headers, libraries or tests.
while read -r f; do
  case $f in
    bin/* | share/applications/*.desktop | share/icons/hicolor/*/apps/* | share/man/man1/*.1 | share/metainfo/*.metainfo.xml) ;;
    *) fail "unexpected file $f" ;;
  esac
done <<<"$installed"

programs=$(cd bin && echo *)
[ "$programs" = "quarnel quarnel-cli" ] || fail "programs are: $programs"
for p in $programs; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "bin/$p" --version 2>&1)
  [ "$out" = "$p $version" ] || fail "$p --version said: $out"
  page=share/man/man1/$p.1
  if [ ! -f "$page" ]; then
    fail "no man page for $p"
  else
    grep -q "^\.TH .*\"Quarnel $version\"" "$page" || fail "$page does not carry version $version"
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
  fi
done

# The menu entry: valid, one main category, its program and icon installed.
entries=(share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || fail "menu entries: ${entries[*]}"
entry=${entries[0]}
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
[ -z "$report" ] || fail "desktop-file-validate: $report"
value() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
main=0
for c in $(value Categories | tr ';' ' '); do
  case $c in AudioVideo | Audio | Video | Development | Education | Game | Graphics | Network | Office | Science | Settings | System | Utility) main=$((main + 1)) ;; esac
done
[ $main -eq 1 ] || fail "menu entry has $main main categories: $(value Categories)"
[ -x "bin/$(value Exec | cut -d' ' -f1)" ] || fail "Exec=$(value Exec) is not an installed program"
for icon in "share/icons/hicolor/scalable/apps/$(value Icon).svg" "share/icons/hicolor/48x48/apps/$(value Icon).png"; do
  [ -f "$icon" ] || fail "Icon=$(value Icon) not installed as $icon"
done

# The metainfo: valid without the network, naming the installed entry and
# programs, this version, and the screenshot kept in the source tree.
metas=(share/metainfo/*.metainfo.xml)
[ ${#metas[@]} -eq 1 ] || fail "metainfo files: ${metas[*]}"
meta=${metas[0]}
report=$(appstreamcli validate --no-net "$meta" 2>&1) || fail "appstreamcli validate: $report"
grep -E '^[EW]:' <<<"$report" && fail "appstreamcli validate reported errors or warnings"
id=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta")
[ -f "share/applications/$id" ] || fail "launchable $id is not the installed entry"
for b in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$meta"); do
  [ -x "bin/$b" ] || fail "metainfo provides $b, which is not installed"
done
grep -q "<release version=\"$version\"" "$meta" || fail "metainfo lacks release $version"
shot=$(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$meta")
case $shot in https://*/docs/screenshot.png) [ -f "$source/docs/screenshot.png" ] || fail "no docs/screenshot.png" ;; *) fail "screenshot URL $shot" ;; esac

# The Debian package: the same files under /usr, this version, and the
# libraries the binaries link found by dpkg-shlibdeps.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
debs=("$scratch"/deb/*.deb)
if [ -f "${debs[0]}" ]; then
  echo "package ${debs[0]##*/}:"
  dpkg-deb -c "${debs[0]}" | sed 's/^/  /'
  packaged=$(dpkg-deb -c "${debs[0]}" | awk '$1 !~ /^d/ {print $NF}' | sed 's:^\./usr/::' | sort)
  [ "$packaged" = "$installed" ] || fail "the package's files differ from the install: $(diff <(echo "$installed") <(echo "$packaged"))"
  [ "$(dpkg-deb -f "${debs[0]}" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "${debs[0]}" Version)"
  depends=$(dpkg-deb -f "${debs[0]}" Depends)
  echo "Depends: $depends"
  for lib in libqt6widgets6 libedit2 libstdc++6 qt6-qpa-plugins; do
    grep -q "\b$lib\b" <<<"$depends" || fail "package does not depend on $lib"
  done
else
  fail "no package built"
fi

[ $failures -eq 0 ] && echo "install and package check out"
exit $((failures > 0))
