"""A real FTP server for the tests: pyftpdlib on an ephemeral loopback port.

Serves one root folder to an anonymous account and to a named account with a
password, both allowed to read and write. Writes the port it listens on to the port
file once it accepts connections.
"""
import argparse
import logging
import os
import socket
import ssl
import threading
import time
import warnings

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

FORGED = b"forged by an intruder\n"  # what the intruder offers as the file


def breaking_handler(base, file_name, limit, times, resumed_limit=-1, unstored=False,
                     hang_ups=0):
    """A handler whose first `times` transfers of file_name (all when times is 0),
    downloads and uploads, stop after limit bytes of their data (a resumed download
    after resumed_limit, when that is not negative): the data connection closes and the
    control connection is dropped without a reply, as when the line breaks. With
    unstored, a broken upload keeps none of the bytes it took: the file is as it was
    before that upload began. The first hang_ups resumed downloads of file_name are
    answered with no reply at all: the control connection closes at the RETR."""
    state = {"left": times if times > 0 else -1, "hang_ups": hang_ups}

    class BreakingDTP(DTPHandler):
        def send(self, data):
            if not getattr(self.cmd_channel, "breaking", False):
                return super().send(data)
            left = getattr(self.cmd_channel, "break_limit", limit) - self.tot_bytes_sent
            if left <= 0:
                if state["left"] > 0:
                    state["left"] -= 1
                self.cmd_channel.close()
                self.close()
                return 0
            return super().send(data[:left])

        def handle_read(self):
            super().handle_read()
            if getattr(self.cmd_channel, "breaking", False) and \
                    self.tot_bytes_received >= limit:
                if state["left"] > 0:
                    state["left"] -= 1
                if self.file_obj is not None:
                    self.file_obj.flush()
                    if unstored:
                        os.truncate(self.file_obj.name, self.cmd_channel.stored_before)
                self.cmd_channel.close()
                self.close()

        handle_read_event = handle_read  # the base class binds its own

    class BreakingHandler(base):
        dtp_handler = BreakingDTP
        use_sendfile = False

        def ftp_RETR(self, file):
            # Each data connection counts its own bytes: a resumed download breaks
            # after limit more.
            self.breaking = state["left"] != 0 and os.path.basename(file) == file_name
            if os.path.basename(file) == file_name and self._restart_position > 0 and \
                    state["hang_ups"] > 0:
                state["hang_ups"] -= 1
                self.close()
                return
            resumed = resumed_limit >= 0 and self._restart_position > 0
            self.break_limit = resumed_limit if resumed else limit
            return super().ftp_RETR(file)

        def ftp_STOR(self, file, mode="w"):
            self.breaking = state["left"] != 0 and os.path.basename(file) == file_name
            self.stored_before = os.path.getsize(file) \
                if mode != "w" and os.path.exists(file) else 0
            return super().ftp_STOR(file, mode)

    return BreakingHandler


def intruding_handler(base, source, certfile, skip):
    """A handler whose PORT commands, after the first `skip`, are raced by an intruder:
    before the server connects, a connection from the source address reaches the
    client's listener and offers a forged file (over TLS with certfile's certificate
    when one is given)."""
    state = {"skip": skip}

    def intrude(address, port):
        try:
            sock = socket.create_connection((address, port), timeout=10,
                                            source_address=(source, 0))
        except OSError:
            return None
        if not certfile:
            sock.sendall(FORGED)
            sock.close()
            return None

        def serve():
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(certfile)
            try:
                with context.wrap_socket(sock, server_side=True) as tls:
                    tls.sendall(FORGED)
                    tls.unwrap()  # close_notify: the forged file looks complete
            except (OSError, ssl.SSLError):
                sock.close()

        thread = threading.Thread(target=serve, daemon=True)
        thread.start()
        return thread

    class IntrudingHandler(base):
        def ftp_PORT(self, line):
            numbers = line.split(",")
            state["skip"] -= 1
            if len(numbers) == 6 and state["skip"] < 0:
                intrude(".".join(numbers[:4]), int(numbers[4]) * 256 + int(numbers[5]))
            return super().ftp_PORT(line)

    return IntrudingHandler


def hostile_data_handler(base, certfile):
    """A TLS handler whose data connections present another certificate (and so never
    resume the control connection's session)."""
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler

    context = SSL.Context(base.ssl_protocol)
    context.use_certificate_chain_file(certfile)
    context.use_privatekey_file(certfile)

    class OtherCertificateDTP(TLS_DTPHandler):
        def secure_connection(self, ssl_context):
            super().secure_connection(context)

    class HostileData(base):
        dtp_handler = OtherCertificateDTP

    return HostileData


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--user", default="alice")
    parser.add_argument("--password", default="wonderland")
    parser.add_argument("--drop-file", default="",
                        help="the first download of this file breaks the connection")
    parser.add_argument("--drop-after", type=int, default=0,
                        help="bytes sent before the connection breaks")
    parser.add_argument("--drop-resumed-after", type=int, default=-1,
                        help="bytes a resumed download sends before breaking "
                             "(default: as --drop-after)")
    parser.add_argument("--drop-unstored", action="store_true",
                        help="a broken upload of --drop-file keeps none of its bytes")
    parser.add_argument("--drop-times", type=int, default=1,
                        help="how many downloads of the drop file break (0: every one)")
    parser.add_argument("--hang-up-resumed", type=int, default=0,
                        help="close the control connection at this many resumed RETRs "
                             "of the drop file, without a reply")
    parser.add_argument("--no-feat", action="store_true",
                        help="answer FEAT with 500, as servers of the 1990s do")
    parser.add_argument("--ipv6", action="store_true", help="listen on ::1 instead")
    parser.add_argument("--rate", type=int, default=0,
                        help="bytes per second each data connection moves at most")
    parser.add_argument("--tls-cert", default="",
                        help="PEM file with certificate and key: explicit FTP over TLS, "
                             "required for logins and data")
    parser.add_argument("--tls-data-cert", default="",
                        help="hostile: data connections present this PEM's certificate")
    parser.add_argument("--refuse-prot", action="store_true",
                        help="answer PROT with 536: no encrypted data connections")
    parser.add_argument("--intruder", default="",
                        help="hostile network: connect to every PORT address first from "
                             "this source address and offer a forged file")
    parser.add_argument("--intruder-cert", default="",
                        help="the intruder speaks TLS with this PEM's certificate")
    parser.add_argument("--intruder-skip", type=int, default=0,
                        help="PORT commands the intruder leaves alone first")
    parser.add_argument("--slow-cwd", type=float, default=0,
                        help="seconds each CWD waits before its reply (a slow server, "
                             "while the client's old listing is still on screen)")
    parser.add_argument("--refuse-login-beyond", type=int, default=0,
                        help="answer USER with 530 'too many connections' while more than "
                             "this many connections from the client's address are open "
                             "(as proftpd's MaxClientsPerHost does)")
    parser.add_argument("--refuse-retr", default="",
                        help="answer RETR of this file name with 550")
    parser.add_argument("--refuse-retr-times", type=int, default=0,
                        help="refuse that RETR only this many times, then serve it (0: always)")
    parser.add_argument("--refuse-dele", default="",
                        help="answer DELE of this file name with 550, as a server with a "
                             "file the account may not remove does")
    parser.add_argument("--list-twice", default="",
                        help="listings name this file twice, as a broken server's may")
    parser.add_argument("--log-commands", action="store_true",
                        help="log every command and reply, so a test can follow the dialogue")
    args = parser.parse_args()

    logging.basicConfig(level=logging.DEBUG if args.log_commands else logging.INFO)
    warnings.simplefilter("ignore")  # the write rights of the anonymous account

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    authorizer.add_anonymous(args.root, perm="elradfmwMT")

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.banner = "NuboPRO test server ready."
    handler.passive_ports = None
    if args.rate:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.rate
            write_limit = args.rate

        handler.dtp_handler = Throttled
        handler.use_sendfile = False
    if args.tls_cert:
        from pyftpdlib.handlers import TLS_FTPHandler

        class Tls(TLS_FTPHandler):
            certfile = args.tls_cert
            tls_control_required = True
            tls_data_required = True

        Tls.authorizer = authorizer
        Tls.banner = handler.banner
        Tls.passive_ports = None
        handler = Tls
    if args.tls_data_cert:
        handler = hostile_data_handler(handler, args.tls_data_cert)
    if args.refuse_prot:
        class RefusingProt(handler):
            def ftp_PROT(self, line):
                self.respond("536 PROT P not offered here.")

        handler = RefusingProt
    if args.intruder:
        handler = intruding_handler(handler, args.intruder, args.intruder_cert,
                                    args.intruder_skip)
    if args.drop_file:
        handler = breaking_handler(handler, args.drop_file, args.drop_after, args.drop_times,
                                   args.drop_resumed_after, args.drop_unstored,
                                   args.hang_up_resumed)
    if args.slow_cwd:
        delay = args.slow_cwd

        class SlowCwd(handler):
            def ftp_CWD(self, path):
                time.sleep(delay)
                return super().ftp_CWD(path)

        handler = SlowCwd
    if args.refuse_login_beyond:
        most = args.refuse_login_beyond

        class Crowded(handler):
            def ftp_USER(self, line):
                if self.server.ip_map.count(self.remote_ip) > most:
                    logging.info("refused for load: %s", self.remote_ip)
                    self.respond("530 Sorry, the maximum number of clients (%d) from your "
                                 "host are already connected." % most)
                    self.close_when_done()
                    return
                return super().ftp_USER(line)

        handler = Crowded
    if args.refuse_retr:
        refused = args.refuse_retr
        # Shared by every connection: the count is the server's, not one session's.
        refusals = {"left": args.refuse_retr_times or -1}

        class RefusingRetr(handler):
            def ftp_RETR(self, file):
                if os.path.basename(file) == refused and refusals["left"] != 0:
                    refusals["left"] -= 1 if refusals["left"] > 0 else 0
                    self.respond("550 Permission denied.")
                    return
                return super().ftp_RETR(file)

        handler = RefusingRetr
    if args.refuse_dele:
        kept = args.refuse_dele

        class RefusingDele(handler):
            def ftp_DELE(self, path):
                if os.path.basename(path) == kept:
                    self.respond("550 Permission denied.")
                    return
                return super().ftp_DELE(path)

        handler = RefusingDele
    if args.list_twice:
        twice = args.list_twice

        class ListingTwice(AbstractedFS):
            def listdir(self, path):
                names = super().listdir(path)
                return names + [name for name in names if name == twice]

            listdirinfo = listdir

        handler.abstracted_fs = ListingTwice
    if args.no_feat:
        handler.proto_cmds = {k: v for k, v in handler.proto_cmds.items() if k != "FEAT"}

    server = FTPServer(("::1" if args.ipv6 else "127.0.0.1", 0), handler)
    port = server.socket.getsockname()[1]
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(port))
    os.rename(temporary, args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
