"""A real FTP server for the tests: pyftpdlib on an ephemeral loopback port.

Serves one root folder to an anonymous account and to a named account with a
password, both allowed to read and write. Writes the port it listens on to the port
file once it accepts connections.
"""
import argparse
import logging
import os
import warnings

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def breaking_handler(base, file_name, limit):
    """A handler whose first download of file_name stops after limit bytes: the data
    connection closes and the control connection is dropped without a reply, as when
    the line breaks."""
    state = {"armed": True}

    class BreakingDTP(DTPHandler):
        def send(self, data):
            if not getattr(self.cmd_channel, "breaking", False):
                return super().send(data)
            left = limit - self.tot_bytes_sent
            if left <= 0:
                state["armed"] = False
                self.cmd_channel.close()
                self.close()
                return 0
            return super().send(data[:left])

    class BreakingHandler(base):
        dtp_handler = BreakingDTP
        use_sendfile = False

        def ftp_RETR(self, file):
            self.breaking = state["armed"] and os.path.basename(file) == file_name
            return super().ftp_RETR(file)

    return BreakingHandler


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
    parser.add_argument("--rate", type=int, default=0,
                        help="bytes per second each data connection moves at most")
    parser.add_argument("--tls-cert", default="",
                        help="PEM file with certificate and key: explicit FTP over TLS, "
                             "required for logins and data")
    args = parser.parse_args()

    logging.basicConfig(level=logging.INFO)
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
    if args.drop_file:
        handler = breaking_handler(handler, args.drop_file, args.drop_after)

    server = FTPServer(("127.0.0.1", 0), handler)
    port = server.socket.getsockname()[1]
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(port))
    os.rename(temporary, args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
