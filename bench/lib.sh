# Shared by the benchmark scripts, which source it: a vsftpd set-up and the timing
# helpers.

# A loopback TCP port that nothing listens on at the moment.
free_port() {
  /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# write_vsftpd_conf FILE PORT ROOT EMPTY: an anonymous vsftpd in the foreground on
# 127.0.0.1:PORT over ROOT (which must not be writable; its world-writable folders take
# uploads and new folders), EMPTY its empty chroot folder, with no limit of connections.
write_vsftpd_conf() {
  cat > "$1" <<CONF
listen=YES
listen_address=127.0.0.1
listen_port=$2
background=NO
anonymous_enable=YES
local_enable=NO
no_anon_password=YES
anon_root=$3
write_enable=YES
anon_upload_enable=YES
anon_mkdir_write_enable=YES
anon_other_write_enable=YES
anon_umask=022
seccomp_sandbox=NO
secure_chroot_dir=$4
pasv_address=127.0.0.1
ftp_username=ftp
xferlog_enable=NO
max_clients=0
max_per_ip=0
CONF
}

now() { date +%s.%N; }
# timed COMMAND...: its seconds (output discarded).
timed() { local t0 t1; t0=$(now); "$@" >/dev/null 2>&1; t1=$(now); echo "$t1 - $t0" | bc -l; }
# best_of3 SETUP COMMAND...: runs SETUP then COMMAND three times, prints the least time.
best_of3() {
  local setup=$1; shift
  local best=""
  for _ in 1 2 3; do
    $setup
    local t; t=$(timed "$@")
    if [ -z "$best" ] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  echo "$best"
}
ratio() { echo "scale=2; $1 / $2" | bc -l; }
best() { printf '%s\n' "$@" | sort -g | head -1; }
