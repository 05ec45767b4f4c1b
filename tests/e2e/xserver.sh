#!/usr/bin/env bash
# Starts a headless Xorg server with the dummy driver on display $1 (default :99) and waits
# until it answers. Prints the server's pid. Stop it with: kill <pid>.
set -eu
display=${1:-:99}
here=$(cd "$(dirname "$0")" && pwd)
num=${display#:}
log=/tmp/quelvane-xorg-$num.log
if xdpyinfo -display "$display" >/dev/null 2>&1; then
    echo "X server already running on $display" >&2
    exit 1
fi
rm -f "/tmp/.X$num-lock"
Xorg "$display" -noreset -nolisten tcp +extension GLX -config "$here/xorg-dummy.conf" \
     -configdir /nonexistent -logfile "$log" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 100); do
    if xdpyinfo -display "$display" >/dev/null 2>&1; then echo "$pid"; exit 0; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
echo "Xorg did not start on $display; see $log" >&2
exit 1
