#!/usr/bin/env bash
# CTest fixture of the end-to-end tests: starts the headless X server before them and stops
# it after them. A server that already answers on the display is used and left running.
set -u
here=$(cd "$(dirname "$0")" && pwd)
action=$1 display=$2 pidfile=$3
case $action in
start)
    rm -f "$pidfile"
    if xdpyinfo -display "$display" >/dev/null 2>&1; then
        echo "using the X server already running on $display"
        exit 0
    fi
    pid=$("$here/xserver.sh" "$display") || exit 1
    echo "$pid" >"$pidfile"
    echo "X server $pid on $display"
    ;;
stop)
    [ -f "$pidfile" ] || exit 0
    pid=$(cat "$pidfile")
    rm -f "$pidfile"
    kill "$pid" 2>/dev/null
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || exit 0; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
    ;;
esac
exit 0
