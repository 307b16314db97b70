#!/usr/bin/env bash
# The ZIP is named with the version and holds exactly the two programs, the
# README and the simulated board in its own folder.
set -euo pipefail
build=$1
out="$build/package-test/zip"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$out" >/dev/null
zip="$out/QorvelTools-1.0.0.1-win32.zip"
[ -f "$zip" ] || { echo "missing $zip"; ls "$out"; exit 1; }

expected=$'README.txt\nportcheck.exe\nportpanel.exe\nsimulator/QorvelIo.dll'
actual=$(python3 -c 'import sys, zipfile
print("\n".join(sorted(n for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
if [ "$actual" != "$expected" ]; then
  printf 'ZIP holds:\n%s\nexpected:\n%s\n' "$actual" "$expected"
  exit 1
fi
python3 -c 'import sys, zipfile
text = zipfile.ZipFile(sys.argv[1]).read("README.txt").decode("utf-8")
for needed in ("QorvelIo.dll", "simulator", "portpanel.exe", "portcheck.exe", "보드"):
    assert needed in text, needed' "$zip"
echo "ZIP contents as expected"
