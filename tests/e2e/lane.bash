# What a case (lib.sh) and the lane that runs it (run.sh) share: Wine's settings, a virtual
# screen, and ending the processes a case started.

# No menu entries for the desktop: winemenubuilder would only spend the cores at every start.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Starts a virtual 1280 x 800 screen on a free display, from display $1 on: a case's own screen,
# or a lane's, which its cases share. Sets DISPLAY (exported) and E2E_XVFB, the server's
# process; fails (returns 1) when no display is free.
e2e_virtual_screen() {
  local n
  for n in $(seq "$1" 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: without it the server resets (and forgets the desktop colour) when xsetroot,
    # its only client, disconnects.
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    E2E_XVFB=$!
    e2e_server_took_display "$n" "$E2E_XVFB" || continue
    export DISPLAY=":$n"
    # A plain grey desktop, so that transparent pixels show something known.
    xsetroot -solid '#336699' 2>/dev/null || true
    return 0
  done
  return 1
}

# Waits until the X server started as process $2 answers on display :$1; fails (returns 1, the
# server ended) when another run took that display a moment earlier. The display answering is not
# enough, it may be the other run's: the lock names the server.
e2e_server_took_display() {
  local _
  for _ in $(seq 50); do
    DISPLAY=":$1" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  kill -0 "$2" 2>/dev/null || return 1
  [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$2" ] && return 0
  kill "$2" 2>/dev/null || true
  return 1
}

# Ends every process whose environment holds the case mark $1 (lib.sh's E2E_CASE_MARK), except this
# shell and the Wine session's own (the server and the system folder's programs, which the case's
# first Wine program may have started for the lane), and waits up to 5 s until they are gone.
e2e_end_marked_processes() {
  local file pid command pids=() _
  for file in $(grep -lzx "E2E_CASE_MARK=$1" /proc/[0-9]*/environ 2>/dev/null); do
    pid="${file#/proc/}"
    pid="${pid%/environ}"
    [ "$pid" = "$$" ] || [ "$pid" = "$BASHPID" ] && continue
    command=""
    IFS= read -r -d '' command 2>/dev/null <"/proc/$pid/cmdline" || true
    case "$command" in
      */wineserver* | wineserver* | [Cc]:\\[Ww]indows\\*) continue ;;
    esac
    pids+=("$pid")
  done
  [ "${#pids[@]}" -gt 0 ] || return 0
  kill -9 "${pids[@]}" 2>/dev/null || true
  # Collecting this shell's own children keeps its report of each killed one out of the case's log.
  wait "${pids[@]}" 2>/dev/null || true
  local alive state
  for _ in $(seq 50); do
    alive=0
    for pid in "${pids[@]}"; do
      # A process ended but not yet collected by its parent is gone all the same.
      state=""
      read -r _ _ state _ 2>/dev/null <"/proc/$pid/stat" || continue
      [ "$state" = Z ] || { alive=1; break; }
    done
    [ "$alive" -eq 0 ] && return 0
    sleep 0.1
  done
}
