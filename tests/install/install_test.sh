#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as another program would: the command
# runs from there (and from wherever the prefix is moved), and a tiny host is built against the
# installed library twice, found by pkg-config and by find_package, and imports the example.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/velloway-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
example=$source/examples/register-2.2.xlsx

cmake --install "$build" --prefix "$work/prefix" >/dev/null
libdir=$(cd "$work/prefix" && dirname "$(find . -name 'libvelloway.so' | head -n 1)")
for file in include/velloway/velloway.h "$libdir/pkgconfig/velloway.pc" \
  "$libdir/cmake/velloway/velloway-config.cmake" share/velloway/Kestrion.ini \
  share/velloway/RiskRegister/RiskRegister.xsd share/man/man1/velloway.1 \
  share/man/man1/velloway-check.1 share/bash-completion/completions/velloway; do
  [ -e "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

# The installation can be moved: the command finds its library and its folder relative to itself.
mv "$work/prefix" "$work/moved"
"$work/moved/bin/velloway" import "$example" --plan "$work/plan.db" --quiet
"$work/moved/bin/velloway" dump --plan "$work/plan.db" | cmp - "$source/examples/register-2.2.dump.json"
# --gui loads the windows module from beside the command: without a display it gets as far as
# asking for one. Without the module it names the file it could not load and imports nothing.
gui() { env -u DISPLAY "$work/moved/bin/velloway" import "$example" --plan "$work/gui.db" --gui 2>&1; }
# shellcheck disable=SC2053  # the expected text is a pattern
expect() { [[ "$2" == $1 ]] || { echo "import --gui: expected $1, got: $2"; exit 1; }; }
expect "velloway: --gui needs an X display, *exit 2" "$(gui || echo "exit $?")"
rm "$work/moved/$libdir/velloway/velloway-gui.so"
expect "velloway: *${libdir#./}/velloway/velloway-gui.so*exit 2" "$(gui || echo "exit $?")"
[ ! -e "$work/gui.db" ]

export PKG_CONFIG_PATH=$work/moved/$libdir/pkgconfig
# shellcheck disable=SC2046
c++ -std=c++20 "$source/tests/install/host/host.cpp" -o "$work/host-pkg-config" \
  $(pkg-config --cflags --libs velloway) -Wl,-rpath,"$work/moved/$libdir"
"$work/host-pkg-config" "$work/moved/share/velloway" "$example"

cmake -S "$source/tests/install/host" -B "$work/host-build" -DCMAKE_PREFIX_PATH="$work/moved" \
  -DCMAKE_BUILD_RPATH="$work/moved/$libdir" >/dev/null
cmake --build "$work/host-build" >/dev/null
"$work/host-build/tiny_host" "$work/moved/share/velloway" "$example"
