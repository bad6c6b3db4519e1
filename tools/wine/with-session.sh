#!/usr/bin/env bash
# Usage: with-session.sh PREFIX_DIR COMMAND [ARGS...]
# Starts a private Xvfb display and a persistent wineserver for the Wine prefix PREFIX_DIR (made on
# first use), runs COMMAND with that environment, then stops both by their own process ids.
set -euo pipefail
prefixDir=$(realpath -m "$1"); shift

export WINEPREFIX=$prefixDir
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=;mshtml='
export WINEARCH=win64

xvfbPid=
stopSession() {
    # wineserver -k ends every Wine process of this prefix only; Xvfb is stopped by its own PID.
    wineserver -k >/dev/null 2>&1 </dev/null || true
    if [[ -n $xvfbPid ]]; then
        kill "$xvfbPid" 2>/dev/null || true
        wait "$xvfbPid" 2>/dev/null || true
    fi
}
trap stopSession EXIT

displayFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 </dev/null &
xvfbPid=$!
for _ in $(seq 100); do
    [[ -s $displayFile ]] && break
    sleep 0.1
done
[[ -s $displayFile ]] || { echo "with-session.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$displayFile")
rm -f "$displayFile"

# Wine's first process leaves background processes holding its output: keep them off any pipe.
mkdir -p "$WINEPREFIX"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot -i >/dev/null 2>&1 </dev/null
fi
wineserver -p >/dev/null 2>&1 </dev/null || true  # already running after wineboot
# Without a window manager, let Wine draw captions and close boxes itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
wine cmd /c exit >/dev/null 2>&1 </dev/null

"$@"
