#!/usr/bin/env bash
# Installs the build into its prefix, checks the launcher and the AppStream
# metainfo with their own tools, prepares the per-computer folder as the
# package's postinst does, then starts the installed program under Xvfb and,
# with the keyboard alone, opens a topic, its help page, answers once and
# ends the session: the results line must be in the per-computer folder.
set -euo pipefail
build=$1 prefix=$2 id=$3 partage=$4 datadir=$5

rm -rf "$prefix"
cmake --install "$build" >/dev/null
desktop-file-validate "$prefix/$datadir/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/$datadir/metainfo/$id.metainfo.xml"
for f in bin/tavelune "$datadir/tavelune/help/index.html" "$datadir/tavelune/help/210.html" \
         "$datadir/icons/hicolor/scalable/apps/$id.svg" "$datadir/icons/hicolor/48x48/apps/$id.png" \
         "$datadir/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$prefix/$f" ] || { echo "manque : $f"; exit 1; }
done

mkdir -p "$partage"
chmod 0755 "$partage"
for f in TAVELUNE.SCO TAVELUNE.LOG TAVELUNE.LOC; do : > "$partage/$f"; chmod 0666 "$partage/$f"; done

travail=$(mktemp -d)
exec 3>"$travail/ecran"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
programme=
fin() {
    [ -n "$programme" ] && kill "$programme" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$travail"
}
trap fin EXIT
for _ in $(seq 50); do [ -s "$travail/ecran" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$travail/ecran")"
export HOME="$travail" XDG_DATA_HOME="$travail/donnees" XDG_RUNTIME_DIR="$travail" QT_QPA_PLATFORM=xcb

attend() {  # a window whose title matches
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    echo "aucune fenêtre « $1 »"; exit 1
}
touches() { xdotool key --delay 60 "$@"; sleep 0.3; }

(cd "$travail" && exec "$prefix/bin/tavelune") &
programme=$!
attend 'V\. 2\.51'
principale=$(xdotool search --onlyvisible --name 'V\. 2\.51' | head -n1)
xdotool mousemove --window "$principale" 5 300 click 1
sleep 0.5
xdotool type --delay 60 DUPONT; touches Return
xdotool type --delay 60 Marie; touches Return
xdotool type --delay 60 4B; touches Return
touches alt+r Return
attend '^Addition des nombres relatifs$'
sujet=$(xdotool search --onlyvisible --name '^Addition des nombres relatifs$' | head -n1)
xdotool windowfocus "$sujet"
sleep 0.3
touches F1
attend '^Aide de Tavelune : Addition des nombres relatifs$'
xdotool windowfocus "$sujet"
sleep 0.3
xdotool type --delay 60 0; touches Return
sleep 0.5
# The end of the session saves the series.
kill -TERM "$programme"
for _ in $(seq 100); do kill -0 "$programme" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$programme" 2>/dev/null; then echo "le programme ne s'arrête pas"; exit 1; fi
programme=

grep -q 'DUPONT Marie' "$partage/TAVELUNE.LOG" || { echo "pas de ligne dans $partage/TAVELUNE.LOG"; exit 1; }
grep -q 'DUPONT Marie' "$partage/TAVELUNE.LOC" || { echo "pas de ligne dans $partage/TAVELUNE.LOC"; exit 1; }
autres=$(ls -A "$partage" | grep -v -x -e TAVELUNE.SCO -e TAVELUNE.LOG -e TAVELUNE.LOC || true)
[ -z "$autres" ] || { echo "fichiers en trop dans $partage : $autres"; exit 1; }
[ ! -e "$XDG_DATA_HOME/tavelune/TAVELUNE.LOG" ] || { echo "ligne écrite hors du dossier partagé"; exit 1; }
echo "installé : $prefix, résultats dans $partage"
