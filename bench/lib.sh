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

# write_proftpd_conf FILE PORT BASE [PEM]: a proftpd in the foreground on 127.0.0.1:PORT
# for one user, "nubo" (password "nubo-secret", as the current user), whose home and root
# (chrooted when run as root) is BASE/root, its password and group files, scoreboard and
# logs in BASE. With PEM it requires FTP over TLS (mod_tls, TLS 1.3 only) for logins and
# data, and data connections that resume the control connection's session (its
# default). proftpd is Debian's or the copy scripts/install-deps unpacks.
proftpd_program() {
  local p
  for p in /usr/sbin/proftpd /opt/nubo-peers/usr/sbin/proftpd; do
    [ -x "$p" ] && { echo "$p"; return; }
  done
  return 1
}
write_proftpd_conf() {
  local conf=$1 port=$2 base=$3 pem=${4:-} program modules
  program=$(proftpd_program)
  modules="$(dirname "$(dirname "$program")")/lib/proftpd"
  printf 'nubo:%s:%s:%s::%s:/bin/sh\n' "$(openssl passwd -5 -salt nubobench nubo-secret)" \
    "$(id -u)" "$(id -g)" "$base/root" > "$base/passwd"
  printf 'nubo:x:%s:nubo\n' "$(id -g)" > "$base/group"
  chmod 600 "$base/passwd" "$base/group"
  cat > "$conf" <<CONF
ServerType standalone
ServerName "nubo bench"
DefaultServer on
Port $port
DefaultAddress 127.0.0.1
SocketBindTight on
UseIPv6 off
User $(id -un)
Group $(id -gn)
PidFile $base/proftpd-$port.pid
ScoreboardFile $base/proftpd-$port.scoreboard
SystemLog $base/proftpd-$port.log
TransferLog none
WtmpLog off
UseReverseDNS off
DelayEngine off
MaxInstances 60
Umask 022
AllowOverwrite on
AuthOrder mod_auth_file.c
AuthUserFile $base/passwd
AuthGroupFile $base/group
RequireValidShell off
CONF
  if [ "$(id -u)" -eq 0 ]; then printf 'RootLogin on\nDefaultRoot ~\n' >> "$conf"; fi
  if [ -n "$pem" ]; then
    cat >> "$conf" <<CONF
ModulePath $modules
LoadModule mod_tls.c
TLSEngine on
TLSLog $base/tls-$port.log
TLSProtocol TLSv1.3
TLSRSACertificateFile $pem
TLSRSACertificateKeyFile $pem
TLSRequired on
TLSVerifyClient off
CONF
  fi
}
