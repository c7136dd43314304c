#!/bin/sh
# Runs a test program under a Wine prefix of its own whose screen has the given DPI:
#   at-dpi.sh DPI PROGRAM [ARGUMENTS...]
set -e
dpi=$1; shift
here=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "$(dirname "$1")/.." && pwd)
export QX_WINEPREFIX="$build/wineprefix-dpi$dpi"
"$here/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$here/scripts/wine-run" reg add 'HKEY_CURRENT_CONFIG\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
WINEPREFIX=$QX_WINEPREFIX wineserver -w
exec "$here/scripts/wine-run" "$@"
