#!/bin/sh
# Runs a Windows program under Wine for CTest.
# The first program of a new wineserver leaves background services holding its stdout, which
# makes CTest wait for the pipe. Starting the server (and one throw-away program) up front keeps
# those services off the test's pipe.
export WINEDEBUG="${WINEDEBUG:--all}"
if wineserver -p30 </dev/null >/dev/null 2>&1; then
  wine cmd /c exit </dev/null >/dev/null 2>&1
fi
exec wine "$@"
