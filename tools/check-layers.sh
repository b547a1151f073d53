#!/usr/bin/env bash
# Each folder of src/ may include only the folders of its own layer and the
# layers below it; the build links the layer libraries the same way.
# Prints every include that reaches up and exits non-zero when there is one.
#   tools/check-layers.sh [src-dir]
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

# Each layer may use the ones before it.
base="charset platform"
records="$base dialogue config recordfile"
declare -A allowed=(
  [charset]=""
  [platform]="charset"
  [dialogue]="$base"
  [config]="$base recordfile"
  [recordfile]="$base dialogue config"
  [transfer]="$records"
  [personnel]="$records transfer"
  [conversion]="$records transfer personnel"
  [companies]="$records transfer personnel conversion"
  [ui]="$base"
  [console_dialogue]="$base dialogue config ui"
  [unattended]="$base dialogue config"
  [history]="$base dialogue config"
)

bad=0
for dir in "$src"/*/; do
  folder="$(basename "$dir")"
  [ "$folder" = driver ] && continue  # the driver wires every layer
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$folder: a folder without a layer; add it to tools/check-layers.sh" >&2
    bad=1
    continue
  fi
  while IFS= read -r hit; do
    file="${hit%%:*}"
    included="$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$hit")"
    [ "$included" = "$folder" ] && continue
    case " ${allowed[$folder]} " in
      *" $included "*) ;;
      *)
        echo "${file#"$src"/}: includes $included/, above the layer of $folder/" >&2
        bad=1
        ;;
    esac
  done < <(grep -HE '^\s*#\s*include "[^/"]+/' -r "$dir" --include='*.hpp' --include='*.cpp' || true)
done
if [ "$bad" -ne 0 ]; then
  echo "layer check failed" >&2
  exit 1
fi
echo "layers: every include reaches down"
