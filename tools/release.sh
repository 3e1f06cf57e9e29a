#!/usr/bin/env bash
# Builds every package of a release from this clean checkout and puts them into dist/, named by
# the version in CMakeLists.txt, with SHA256SUMS over everything dist/ holds. Every file is dated
# by the last commit (SOURCE_DATE_EPOCH), so that anyone who builds the same commit gets the same
# bytes; tools/release.sh --verify builds the release twice, from two clones in other folders a
# while apart, and compares them file by file (and with dist/, where that holds this version).
# Usage: tools/release.sh [--verify]
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
stop() { echo "release: $*" >&2; exit 1; }
step() { export RUTSCHBILD_STEP="release: $*"; printf '== %s (at %d:%02d)\n' "$*" $((SECONDS / 60)) $((SECONDS % 60)); }
case ${1:-} in
  '') verify=false ;;
  --verify) verify=true ;;
  *) echo "Usage: tools/release.sh [--verify]" >&2; exit 2 ;;
esac

version=$(sed -n 's/^project(Rutschbild VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || stop "no version in CMakeLists.txt's project()"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || stop "$PWD is no git checkout"
changes=$(git status --porcelain --untracked-files=normal)
[ -z "$changes" ] || stop "the tree has changes that are not committed; commit or stash them first:
$changes"
source tools/source-date.sh
deb_arch=$(dpkg --print-architecture)
packages=("rutschbild_${version}_${deb_arch}.deb" "Rutschbild-$version-win64.zip"
  "Rutschbild-$version-win32.zip" "Rutschbild-$version-x64.msi" "Rutschbild-$version-x86.msi"
  "rutschbild-web-$version.zip" "rutschbild-$version.tar.gz")

if $verify; then
  exec tools/verify-release.sh "${packages[@]}"
fi

for name in "${packages[@]}"; do
  [ ! -e "dist/$name" ] || stop "dist/ already holds $name: version $version is released; raise the version in CMakeLists.txt"
done

source tools/packages.sh
step "packages"
tools/ensure-packages.sh "${RELEASE_PACKAGES[@]}"

# Everything is built afresh in build/release and moves to dist/ only when all of it is there.
work=build/release
out=$work/dist
rm -rf "$work"
mkdir -p "$out"

step "the Debian package"
deb=$(tools/build-deb.sh "$work/linux")
cp "$deb" "$out/"

step "the Windows programs, their ZIPs and installer packages"
tools/build-windows-packages.sh "$out"

step "the web site"
RUTSCHBILD_WEB_BUILD=$work/web tools/build-web.sh >/dev/null
tools/reproducible-zip.py pack "$work/web/site" "$out/rutschbild-web-$version.zip"

step "the source"
# git dates the archive's files by the commit; gzip -n leaves out the name and time of its own.
git archive --format=tar --prefix="rutschbild-$version/" HEAD | gzip -9n >"$out/rutschbild-$version.tar.gz"

step "dist/"
for name in "${packages[@]}"; do
  [ -f "$out/$name" ] || stop "the build gave no $name"
done
mkdir -p dist
mv "${packages[@]/#/$out/}" dist/
(cd dist && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
  xargs -d '\n' sha256sum >SHA256SUMS.new && mv SHA256SUMS.new SHA256SUMS)
echo "release $version (commit $(git rev-parse --short HEAD), dated $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC')) is in dist/:"
(cd dist && grep -F -f <(printf '  %s\n' "${packages[@]}") SHA256SUMS)
