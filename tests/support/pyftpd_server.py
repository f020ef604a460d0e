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
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--user", default="alice")
    parser.add_argument("--password", default="wonderland")
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

    server = FTPServer(("127.0.0.1", 0), handler)
    port = server.socket.getsockname()[1]
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(port))
    os.rename(temporary, args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
