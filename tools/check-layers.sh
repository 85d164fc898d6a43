#!/bin/sh
# The folders of src/ form one stack, lowest first; a file may include its own
# folder and the folders below it, never one above. Qt stays in gfx's sources
# and in app. Prints every offending include and fails if there is one.
cd "${1:-$(dirname "$0")/..}" || exit 2
order="common gfx world sim shell views cruise app"

rank() {
  i=0
  for l in $order; do
    [ "$l" = "$1" ] && { echo "$i"; return; }
    i=$((i + 1))
  done
  echo -1
}

bad=0
for layer in $order; do
  [ -d "src/$layer" ] || { echo "src/$layer: missing" >&2; exit 2; }
  mine=$(rank "$layer")
  for f in $(find "src/$layer" -type f \( -name '*.cpp' -o -name '*.h' \) | sort); do
    for dep in $(sed -n 's@^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*@\1@p' "$f" | sort -u); do
      theirs=$(rank "$dep")
      if [ "$theirs" -lt 0 ]; then
        echo "$f: includes $dep/, which is not a layer"; bad=1
      elif [ "$theirs" -gt "$mine" ]; then
        echo "$f: includes $dep/, above $layer"; bad=1
      fi
    done
    case "$f" in src/app/* | src/gfx/*.cpp) continue ;; esac
    if grep -q '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$f"; then
      echo "$f: includes Qt"; bad=1
    fi
  done
done
[ "$bad" -eq 0 ] && echo "layers: every include points down ($order)"
exit "$bad"
