#!/usr/bin/env bash
# Runs the Windows test suite a second time, under Wine 10 from Debian 13
# (trixie), in a root file system kept in a cache folder outside the
# checkout. The first run makes the root (debootstrap and packages from
# Debian's archive, a few minutes); later runs, from any checkout on this
# machine, reuse it.
#
#   tools/wine10.sh [--root-only] [CTEST_OPTIONS...]
#
# Runs `ctest --preset windows` over the Windows build (build/windows,
# already built) with the root's own ctest and Wine, so every test of that
# preset runs as under Wine 8, with Wine prefixes of its own (kept in
# build/windows/wine10, seen in the run at the usual paths) and
# VODARI_WINE=10. CTEST_OPTIONS go to ctest
# (e.g. -R e2e). --root-only makes or checks the root and runs nothing.
#
# Environment:
#   VODARI_WINE10_ROOT    the root's folder (default /var/cache/vodari/wine10-root)
#   VODARI_DEBIAN_MIRROR  the mirror (default: the one of the machine's apt sources)
#
# The mounts the run needs (/proc, /dev, the X display's sockets, the
# checkout) are made in a mount namespace of their own: the host never sees
# them, and they are gone when the run ends, however it ends.
set -euo pipefail

self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
src=$(cd "$(dirname "$0")/.." && pwd)
rootfs=${VODARI_WINE10_ROOT:-/var/cache/vodari/wine10-root}
suite=trixie
# ctest comes from the root's cmake, so that every registered test runs with
# all its ctest properties. The fonts are the ones the tests expect on both
# Wines.
packages=(wine wine32:i386 wine64 locales cmake
  fonts-wqy-microhei fonts-noto-core fonts-liberation fonts-droid-fallback fonts-urw-base35)
ready=$rootfs/.vodari-ready

say() { echo "wine10: $*"; }
die() {
  echo "wine10: $*" >&2
  exit 1
}

# The first Debian mirror of the machine's apt sources that serves the
# machine's own release (one-line and deb822 formats).
debian_mirror() {
  if [ -n "${VODARI_DEBIAN_MIRROR:-}" ]; then
    echo "$VODARI_DEBIAN_MIRROR"
    return
  fi
  local codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || return 0
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk -v c="$codename" '$1 == "deb" {
        i = 2
        if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        if ($(i + 1) == c) print $i
      }'
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      awk -v c="$codename" '
        function flush() {
          if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " c " ")) print uri
          types = ""; suites = ""; uri = ""
        }
        /^[ \t]*$/ { flush(); next }
        /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
        /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
        /^URIs:/ { uri = $2 }
        END { flush() }' "$f"
    done
  } | awk "NR == 1"
}

# Runs a command in the root, with /proc and /dev mounted, in a mount
# namespace of its own. Arguments: the command and its arguments.
in_root() {
  unshare --mount --propagation private -- "$self" --in-namespace "$@" 9>&-
}

# Makes the root when it is missing or half made; installs the packages
# again when their list changed. Called under the cache's exclusive lock.
make_root() {
  local wanted=${packages[*]}
  if [ -f "$ready" ] && [ "$(cat "$ready")" = "$wanted" ]; then
    return 0
  fi
  if [ ! -f "$ready" ]; then
    # A root without its marker is half made: start again, but never
    # delete through a mount that something left in it.
    if findmnt -rn -o TARGET | grep -q "^$rootfs/"; then
      die "mounts remain under $rootfs (see findmnt); unmount them first"
    fi
    rm -rf "$rootfs"
    local mirror
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || die "no Debian mirror found in the apt sources; set VODARI_DEBIAN_MIRROR"
    command -v debootstrap >/dev/null || die "debootstrap is missing (tools/setup.sh installs it)"
    say "making the Debian $suite root in $rootfs from $mirror (first run only, a few minutes)"
    mkdir -p "$rootfs"
    if ! debootstrap --variant=minbase "$suite" "$rootfs" "$mirror" >"$rootfs.log" 2>&1; then
      tail -n 20 "$rootfs.log" >&2
      die "debootstrap of $suite failed (log: $rootfs.log); the root will be made again next time"
    fi
  else
    say "installing the changed package list in $rootfs"
    rm -f "$ready"
  fi
  say "installing ${packages[*]}"
  if ! in_root sh -c '
      set -e
      export DEBIAN_FRONTEND=noninteractive
      dpkg --add-architecture i386
      apt-get update -qq
      apt-get install -y -qq --no-install-recommends "$@"
      sed -i "s/^# *\(zh_CN.UTF-8 UTF-8\)/\1/" /etc/locale.gen
      grep -q "^zh_CN.UTF-8 UTF-8" /etc/locale.gen || echo "zh_CN.UTF-8 UTF-8" >>/etc/locale.gen
      locale-gen
      apt-get clean' sh "${packages[@]}" >>"$rootfs.log" 2>&1; then
    tail -n 20 "$rootfs.log" >&2
    die "installing the packages in $rootfs failed (log: $rootfs.log); the root will be made again next time"
  fi
  in_root sh -c 'wine --version && locale -a | grep -qi "^zh_CN.utf8$"' >>"$rootfs.log" 2>&1 ||
    die "the root in $rootfs has no working wine or no zh_CN.UTF-8 (log: $rootfs.log)"
  echo "$wanted" >"$ready"
  say "root ready: $(in_root wine --version)"
}

# --in-namespace: mounts what the root needs, runs the command in it,
# unmounts. Only ever called through unshare, by in_root.
if [ "${1:-}" = "--in-namespace" ]; then
  shift
  mounted=()
  unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
      umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
    done
  }
  trap unmount_all EXIT
  bind() {  # host path, then the path in the root
    mkdir -p "$2"
    mount --bind "$1" "$2"
    mounted+=("$2")
  }
  mount -t proc proc "$rootfs/proc"
  mounted+=("$rootfs/proc")
  bind /dev "$rootfs/dev"
  if [ -d /tmp/.X11-unix ]; then bind /tmp/.X11-unix "$rootfs/tmp/.X11-unix"; fi
  if [ -n "${VODARI_WINE10_CHECKOUT:-}" ]; then bind "$VODARI_WINE10_CHECKOUT" "$rootfs$VODARI_WINE10_CHECKOUT"; fi
  # Wine 10's prefixes are laid over Wine 8's in the build folder: whatever
  # finds a prefix by its usual path (the set-up, a test's recorded
  # command) finds Wine 10's, and neither Wine touches the other's.
  if [ -n "${VODARI_WINE10_BUILD:-}" ]; then
    names=(wineprefix wineprefix64)
    for prefix in "$VODARI_WINE10_BUILD"/wineprefix*; do
      if [ -d "$prefix" ]; then names+=("${prefix##*/}"); fi
    done
    for name in $(printf '%s\n' "${names[@]}" | sort -u); do
      mkdir -p "$VODARI_WINE10_BUILD/wine10/$name"
      bind "$VODARI_WINE10_BUILD/wine10/$name" "$rootfs$VODARI_WINE10_BUILD/$name"
    done
  fi
  status=0
  chroot "$rootfs" "$@" || status=$?
  exit "$status"
fi

root_only=false
if [ "${1:-}" = "--root-only" ]; then
  root_only=true
  shift
fi
build=$src/build/windows

case "$rootfs" in
  /*/*) ;;
  *) die "VODARI_WINE10_ROOT must be an absolute path below a folder, not '$rootfs'" ;;
esac
[ "$(id -u)" -eq 0 ] || die "needs root (it makes a root file system and mounts in it): run it as root"
for tool in unshare chroot flock findmnt; do
  command -v "$tool" >/dev/null || die "$tool is missing"
done

# One lock for the cache: exclusive while the root is made, shared while
# runs use it, so runs of several checkouts can share the root.
mkdir -p "$(dirname "$rootfs")"
exec 9>"$rootfs.lock"
flock 9
make_root
flock -s 9
$root_only && exit 0

[ -f "$build/CTestTestfile.cmake" ] || die "no Windows build in $build: build it first (cmake --build --preset windows)"

# The host's display serves the root too; without one, a virtual one.
. "$src/tools/wine_env.sh"
unset WINEPREFIX
trap vodari_wine_stop EXIT
vodari_display_start
case "$DISPLAY" in
  :*)
    number=${DISPLAY#:}
    [ -S "/tmp/.X11-unix/X${number%%.*}" ] || die "no X server at DISPLAY=$DISPLAY (unset it for a virtual display)"
    ;;
esac

# The checkout appears at the same path in the root, so the paths that the
# build recorded hold there.
status=0
VODARI_WINE10_CHECKOUT=$src VODARI_WINE10_BUILD=$build in_root /usr/bin/env -i \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  HOME=/root TERM="${TERM:-dumb}" DISPLAY="$DISPLAY" \
  bash -c '
    set -eu
    src=$1 build=$2
    shift 2
    cd "$src"
    . tools/wine_env.sh
    trap vodari_wine_stop EXIT
    vodari_wine_start "$build"
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv=d"
    echo "wine10: $(wine --version), prefix $WINEPREFIX (kept in $build/wine10)"
    ctest --preset windows "$@"' \
  bash "$src" "$build" "$@" || status=$?
exit "$status"
