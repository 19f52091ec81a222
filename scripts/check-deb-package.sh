#!/usr/bin/env bash
# Tries the Debian package on a bare Debian 12 (debootstrap minbase, in a
# temporary folder): apt-get installs it with its dependencies; zentrix-cli
# generates an installed example from the home folder, byte for byte as the
# golden file; zentrix starts offscreen and stays up; desktop-file-validate,
# appstreamcli and lintian check the package's files; apt-get purge leaves
# none of them. Prints one line per check and exits 1 when one failed.
# Takes a few minutes and the Debian mirrors; needs root.
#   scripts/check-deb-package.sh [PACKAGE.deb]   (default: scripts/build-deb.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-root.sh
source scripts/lib/checks.sh
scripts/install-dependencies.sh --package

if [ $# -ge 1 ]; then
  package=$(realpath "$1")
else
  package=$(realpath "$(scripts/build-deb.sh | tail -n 1)")
fi
[ -f "$package" ] || { echo "check-deb-package: no package $package" >&2; exit 2; }
make_debian_root zentrix-deb
cp "$package" "$root/tmp/"
cp tests/data/golden/examples/truss-bridge-3d.geo "$root/tmp/golden.geo"
deb=/tmp/$(basename "$package")

# The checking tools come first, so that the purge check below sees only
# what the package itself brought.
check "checking tools installed" run_in_root \
  "apt-get update -qq && apt-get install -y -qq --no-install-recommends desktop-file-utils appstream lintian >/dev/null"
check "apt-get install ./$(basename "$deb") pulls in its dependencies" run_in_root \
  "cd /tmp && apt-get install -y -qq --no-install-recommends ./$(basename "$deb") >/dev/null && dpkg -L zentrix > /tmp/zentrix-files"
check "zentrix-cli generate on an installed example, from the home folder" run_in_root \
  "cd ~ && SOURCE_DATE_EPOCH=1700000000 TZ=UTC zentrix-cli generate /usr/share/zentrix/examples/truss-bridge-3d.dat --geometry truss-bridge-3d.geo --language en && cmp truss-bridge-3d.geo /tmp/golden.geo"
check "zentrix --version and zentrix-cli --version" run_in_root \
  "zentrix --version && zentrix-cli --version"
# timeout's status 124 says the program was still running after 10 seconds.
check "zentrix starts offscreen and stays up for 10 s" run_in_root \
  "cd ~ && status=0; QT_QPA_PLATFORM=offscreen timeout 10 zentrix || status=\$?; [ \$status -eq 124 ]"
check "manual pages show without a warning" run_in_root \
  "for page in zentrix zentrix-cli; do MANWIDTH=80 man --warnings -E UTF-8 -l /usr/share/man/man1/\$page.1.gz 2>&1 >/dev/null | (! grep .); done"
check "desktop-file-validate" run_in_root "desktop-file-validate /usr/share/applications/zentrix.desktop"
check "appstreamcli validate" run_in_root "appstreamcli validate --no-net /usr/share/metainfo/org.karvel.zentrix.metainfo.xml"
# The tags that stay are explained in docs/installing.md.
check "lintian: no error and no warning" run_in_root \
  "lintian --version && lintian --allow-root --info --fail-on error,warning $deb"
# After the purge no file the package listed is left, nor anything named
# after it outside the scratch folders.
cat >"$root/tmp/left-after-purge.sh" <<'SCRIPT'
while read -r path; do
  if [ -f "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done </tmp/zentrix-files
find / -xdev -name '*zentrix*' -not -path '/tmp/*' -not -path '/root/*' 2>/dev/null || true
SCRIPT
check "apt-get purge leaves no file of the package" run_in_root \
  "apt-get purge -y -qq zentrix >/dev/null && bash /tmp/left-after-purge.sh > /tmp/left.txt && cat /tmp/left.txt && [ ! -s /tmp/left.txt ]"

report_checks "The package $(basename "$package") on a fresh Debian 12 (minbase, $(seconds_to_text "$bootstrap_seconds") to bootstrap):"
