#!/usr/bin/env bash
# Runs a Windows executable under Wine in the session that tools/wine/with-session.sh prepared
# (private Xvfb display, Wine prefix in the build folder, one warm wineserver).
if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
    echo "wine-exec.sh: no Wine session; run the tests through tools/wine/with-session.sh" >&2
    exit 125
fi
exec wine "$@"
