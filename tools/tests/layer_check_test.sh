#!/usr/bin/env bash
# The layer check: the runtime's own tree passes, and planted includes that reach a layer
# above or beside their own are each reported with both files; a clean tree passes.
set -uo pipefail
check=$1
tree=$2
fail() { echo "FAIL: $*"; exit 1; }

"$check" "$tree" >/tmp/layer-check.$$ 2>&1 || { cat /tmp/layer-check.$$; rm -f /tmp/layer-check.$$; fail "the runtime's tree breaks its layers"; }
rm -f /tmp/layer-check.$$

plant=$(mktemp -d)
trap 'rm -rf "$plant"' EXIT
mkdir -p "$plant/cmake" "$plant/low" "$plant/left" "$plant/right" "$plant/top"
cat >"$plant/cmake/layers.txt" <<'LAYERS'
# layer   below        folders
low       -            low
left      low          left
right     low          right
top       left,right   top
LAYERS
echo '#include "low/base.h"' >"$plant/left/left.h"
echo '#include "low/base.h"' >"$plant/right/right.h"
printf '#include "left/left.h"\n#include "right/right.h"\n#include <windows.h>\n' >"$plant/top/top.cpp"
: >"$plant/low/base.h"
"$check" "$plant" >"$plant/out" 2>&1 || { cat "$plant/out"; fail "a tree that keeps its layers was refused"; }

printf '#include "low/base.h"\n#include "top/top.h"\n' >"$plant/low/base.cpp"
echo '#include "right/right.h"' >>"$plant/left/left.h"
if "$check" "$plant" >"$plant/out" 2>&1; then fail "planted upward includes passed"; fi
grep -qx 'layer-check: low/base.cpp:2 (low) includes top/top.h (top), which is not below it' "$plant/out" \
  || { cat "$plant/out"; fail "the upward include was not named with both files"; }
grep -qx 'layer-check: left/left.h:2 (left) includes right/right.h (right), which is not below it' "$plant/out" \
  || { cat "$plant/out"; fail "the include of a layer beside it was not named"; }
[ "$(wc -l <"$plant/out")" -eq 2 ] || { cat "$plant/out"; fail "more than the two planted includes were reported"; }
echo "layer check: passes the tree, names planted upward and sideways includes"
