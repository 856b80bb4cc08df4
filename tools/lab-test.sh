#!/usr/bin/env bash
# The computer lab on one machine: COMPUTERS game cores write their class journals at once into
# one folder of a real Samba share (a guest share on 127.0.0.1, mounted with the FUSE client
# smbnetfs) for SECONDS; a third of the way in, the share's server is stopped for a while and
# started again. Afterwards every row of every run must be on the share, every file whole, no
# two runs may share a file, and no computer may keep a fallback copy.
#
#   tools/lab-test.sh PLAYER [COMPUTERS] [SECONDS]
#
# Needs root (the server's port and the FUSE mount), samba, smbclient and smbnetfs.
set -euo pipefail

player=$(realpath "$1")
computers=${2:-20}
seconds=${3:-180}
down=${LAB_DOWN_SECONDS:-30}

[[ $(id -u) -eq 0 ]] || { echo "lab-test: run it as root (Samba's port 445 and a FUSE mount)"; exit 1; }
[[ -c /dev/fuse ]] || { echo "lab-test: no /dev/fuse on this machine"; exit 1; }

lab=$(mktemp -d /tmp/vatro-lab.XXXXXX)
server=$lab/server # the share as its server keeps it
mnt=$lab/mnt
mkdir -p "$server" "$mnt" "$lab"/samba/{pid,lock,state,cache,private,log} "$lab/home/.smb" \
    "$lab/report" "$lab/local"
chmod 777 "$server"

cat >"$lab/smb.conf" <<EOF
[global]
    interfaces = lo
    bind interfaces only = yes
    smb ports = 445
    disable netbios = yes
    server role = standalone server
    map to guest = Bad User
    pid directory = $lab/samba/pid
    lock directory = $lab/samba/lock
    state directory = $lab/samba/state
    cache directory = $lab/samba/cache
    private dir = $lab/samba/private
    log file = $lab/samba/log/%m.log
    load printers = no
    printcap name = /dev/null
    disable spoolss = yes
[lab]
    path = $server
    guest ok = yes
    read only = no
    force user = root
EOF

# The FUSE client's settings live in its user's home.
printf 'auth "127.0.0.1" "guest" ""\n' >"$lab/home/.smb/smbnetfs.conf"
printf '[global]\n    client min protocol = SMB2\n' >"$lab/home/.smb/smb.conf"
chmod 600 "$lab/home/.smb/smbnetfs.conf"

start_server() {
    smbd --configfile="$lab/smb.conf" -D
    for _ in $(seq 50); do
        smbclient -N -g -c ls //127.0.0.1/lab >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    echo "lab-test: the Samba server did not start (is port 445 taken?)"
    return 1
}
stop_server() {
    local pid
    pid=$(cat "$lab/samba/pid/smbd.pid" 2>/dev/null) || return 0
    kill "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
}
players=()
cleanup() {
    for pid in "${players[@]}"; do kill "$pid" 2>/dev/null || true; done
    umount "$mnt" 2>/dev/null || umount -l "$mnt" 2>/dev/null || true
    stop_server
    rm -rf "$lab"
}
trap cleanup EXIT

start_server
HOME=$lab/home smbnetfs "$mnt"
share=$mnt/127.0.0.1/lab
for _ in $(seq 100); do
    ls "$share" >/dev/null 2>&1 && break
    sleep 0.2
done
ls "$share" >/dev/null || { echo "lab-test: the share did not appear under $share"; exit 1; }

# Eight pairs of computers with the same name and four whose host names are all alike:
# their runs start in the same minutes and must still never meet in a file.
for i in $(seq "$computers"); do
    if ((i <= 16)); then name=$(printf 'pc%02d' $(((i + 1) / 2))); else name=debian; fi
    "$player" play "$share/Журнал" "$lab/local/$i" "$name" "$seconds" "$i" "$lab/report/$i" \
        >"$lab/player-$i.log" 2>&1 &
    players+=($!)
done

echo "lab-test: $computers computers write their journals to the share for $seconds s"
sleep $((seconds / 3))
echo "lab-test: the share's server stops for $down s"
stop_server
sleep "$down"
start_server
echo "lab-test: the share's server is back"

failed=0
for i in "${!players[@]}"; do
    wait "${players[$i]}" || failed=1
    cat "$lab/player-$((i + 1)).log"
done
players=()
((failed == 0)) || { echo "lab-test: FAILED: a computer did not finish"; exit 1; }

"$player" check "$server/Журнал" "$lab"/report/*
left=$(find "$lab/local" -type f | wc -l)
if ((left != 0)); then
    echo "lab-test: FAILED: $left fallback copies left on the computers"
    exit 1
fi
echo "lab-test: passed"
