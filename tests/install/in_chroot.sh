#!/usr/bin/env bash
# Starts the tool inside the system tree $TINTWELL_CHROOT, with the command of the desktop entry
# installed there, on this machine's $DISPLAY. Every step replaces the process before it (exec),
# so the tool keeps this script's process id, which the test uses to find its window. The mounts
# (the X server's sockets and /proc) live in a mount namespace of its own and end with the tool.
set -euo pipefail

root=${TINTWELL_CHROOT:?set TINTWELL_CHROOT to the system tree}
entry=$root/usr/share/applications/org.tintwell.Tintwell.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
[[ -n $command ]] || { echo "in_chroot.sh: no Exec line in $entry" >&2; exit 1; }

# shellcheck disable=SC2016  # expanded by the inner shell
exec unshare --mount --propagation private sh -c '
    mount --bind /tmp/.X11-unix "$1/tmp/.X11-unix" && mount -t proc proc "$1/proc" &&
    exec chroot "$1" env -i DISPLAY="$DISPLAY" HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/bin:/usr/bin:/bin sh -c "exec $2"' sh "$root" "$command"
