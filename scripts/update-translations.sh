#!/usr/bin/env bash
# Refreshes the program's translation sources (shell/translations/mervexsrv_<code>.ts) from the texts the code
# passes through tr(): new texts are added unfinished, texts no longer in the code are dropped, translations
# are kept. The build compiles the sources into the program. Run it after adding or changing texts.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)"
folders=()
for d in foundation functions widgets runtime config server datasources editor shell; do
  [ -d "$root/$d" ] && folders+=("$root/$d")
done
"$lupdate" -silent -no-obsolete -locations none -source-language en -I "$root" "${folders[@]}" \
  -ts "$root"/shell/translations/mervexsrv_*.ts
