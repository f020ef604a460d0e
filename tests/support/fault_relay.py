"""A flaky line between an FTP client and a server: a relay on an ephemeral loopback port
that breaks things at random with a fixed seed.

In clear mode it reads the control connection and gives every passive data connection a
listener of its own (the 227 and 229 replies are rewritten to name it):

  - a transfer's data connection is cut after a random number of bytes of the file, by
    a close (FIN) or by a reset (RST) on the side that receives the file: the client's
    for a RETR, the server's for a STOR or APPE;
  - the control connection is dropped right after a RETR, STOR or APPE went through
    (the client sees its 1xx reply, then the line goes dead).

In blind mode (for FTP over TLS, whose control connection it cannot read) it passes the
control connection through untouched and listens on the server's own passive ports on
127.0.0.1, the server listening on another loopback address with a fixed range of
passive ports named as 127.0.0.1 in its replies. Without the commands it goes by
direction:

  - a data connection is cut once more than a random number of bytes (at least
    --min-cut, beyond the handshake and any listing) went the way given by --cut-way:
    "down" server to client, "up" client to server;
  - a control connection is dropped during a transfer, once its data connection has
    carried more than --min-cut bytes the way of the cuts (a file, not a listing): the
    one whose server spoke last, after the data connection was accepted and before the
    client's first bytes there (its TLS handshake, which follows the 1xx reply), and
    that has been quiet since; when that fits more than one, none is dropped.

Every fault it played is written to the fault file as one line ("data-close 12345",
"data-reset 678", "control-drop"), so a soak can count them. Writes the port it listens
on to the port file once it accepts connections.
"""
import argparse
import os
import random
import re
import select
import socket
import struct
import threading
import time

PASV = re.compile(rb"^227 .*?(\d+),(\d+),(\d+),(\d+),(\d+),(\d+)")
EPSV = re.compile(rb"^229 .*\(\|\|\|(\d+)\|\)")
TRANSFERS = (b"RETR", b"STOR", b"APPE")
UPLOADS = (b"STOR", b"APPE")


class Faults:
    def __init__(self, args):
        self.random = random.Random(args.seed)
        self.data_cut = args.data_cut
        self.control_drop = args.control_drop
        self.min_cut = args.min_cut
        self.max_cut = args.max_cut
        self.lock = threading.Lock()
        self.file = open(args.fault_file, "a", buffering=1)

    def chance(self, p):
        with self.lock:
            return self.random.random() < p

    def cut_plan(self):
        """None, or (bytes before the cut, True for a reset)."""
        with self.lock:
            if self.random.random() >= self.data_cut:
                return None
            return (self.random.randint(self.min_cut, max(self.min_cut, self.max_cut)),
                    self.random.random() < 0.5)

    def record(self, text):
        with self.lock:
            self.file.write(text + "\n")


def close_quietly(sock, reset=False):
    try:
        if reset:
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        sock.close()
    except OSError:
        pass


def relay_loop(a, b, on_block, waker=None):
    """Moves bytes both ways between sockets a and b in one thread (so that a close or
    a reset takes effect at once: no other thread holds a socket in recv or select).
    on_block(side, bytes) sends what it wants and returns False to stop; a byte on the
    waker socket stops it too."""
    open_sides = {a: b, b: a}
    while open_sides:
        watched = list(open_sides) + ([waker] if waker is not None else [])
        readable, _, _ = select.select(watched, [], [], 120)
        if not readable:
            return
        for source in readable:
            if source is waker:
                return
            try:
                block = source.recv(65536)
            except OSError:
                block = b""
            if not block:
                sink = open_sides.pop(source)
                try:
                    sink.shutdown(socket.SHUT_WR)
                except OSError:
                    pass
                continue
            if not on_block(source, block):
                return


class DataLink:
    """One data connection, the client's side accepted, the server's side connected. A
    cut plan applies to the bytes going one way: they are counted, and the block that
    passes the plan's count is cut there; the receiving side gets the close or the
    reset, the sending side a reset."""

    def __init__(self, faults, client, server):
        self.faults = faults
        self.client = client
        self.server = server
        self.plan = None
        self.cut_source = None  # the side whose bytes the plan counts
        self.moved = 0

    def run(self):
        try:
            relay_loop(self.client, self.server, self.on_block)
        except OSError:
            pass
        close_quietly(self.client)
        close_quietly(self.server)

    def other(self, side):
        return self.server if side is self.client else self.client

    def before_block(self, source):
        """Called before a block from source is passed on."""

    def after_moved(self):
        """Called when bytes the cut counts went on."""

    def on_block(self, source, block):
        self.before_block(source)
        sink = self.other(source)
        if source is not self.cut_source:
            sink.sendall(block)
            return True
        if self.plan is not None and self.moved + len(block) > self.plan[0]:
            at, reset = self.plan
            sink.sendall(block[: at - self.moved])
            self.faults.record(("data-reset " if reset else "data-close ") + str(at))
            close_quietly(sink, reset=reset)
            close_quietly(source, reset=True)
            return False
        sink.sendall(block)
        self.moved += len(block)
        self.after_moved()
        return True


class ClearDataLink(DataLink):
    """A passive data connection of a control connection read in clear: the cut is
    planned on the first byte of the file, by which the server has taken the transfer
    command, so the relay has seen it."""

    def __init__(self, faults, client, server, control):
        super().__init__(faults, client, server)
        self.control = control
        self.planned = False

    def before_block(self, source):
        if self.planned:
            return
        command = self.control.last_command
        if command not in TRANSFERS or (source is self.client) != (command in UPLOADS):
            return
        self.planned = True
        self.cut_source = source
        self.plan = self.faults.cut_plan()


class ClearDataRelay:
    """One passive data connection: the client's side accepted on our listener, the
    server's side connected to the address its reply named."""

    def __init__(self, faults, server_address, control):
        self.faults = faults
        self.server_address = server_address
        self.control = control
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(1)
        self.listener.settimeout(60)
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.run, daemon=True).start()

    def run(self):
        try:
            client, _ = self.listener.accept()
        except OSError:
            return
        finally:
            close_quietly(self.listener)
        try:
            server = socket.create_connection(self.server_address, timeout=60)
        except OSError:
            close_quietly(client)
            return
        ClearDataLink(self.faults, client, server, self.control).run()


class ControlRelay:
    """A control connection read in clear: passive replies rewritten, the line dropped
    after a transfer command's 1xx reply now and then."""

    def __init__(self, faults, client, target):
        self.faults = faults
        self.client = client
        self.server = socket.create_connection(target, timeout=120)
        self.target_host = target[0]
        self.drop_after_reply = False
        self.last_command = b""
        self.buffers = {self.client: b"", self.server: b""}

    def run(self):
        try:
            relay_loop(self.client, self.server, self.on_block)
        except OSError:
            pass
        close_quietly(self.client)
        close_quietly(self.server)

    def on_block(self, source, block):
        self.buffers[source] += block
        while b"\n" in self.buffers[source]:
            line, self.buffers[source] = self.buffers[source].split(b"\n", 1)
            if source is self.client:
                self.last_command = line.split(b" ", 1)[0].strip().upper()
                if self.last_command in TRANSFERS and \
                        self.faults.chance(self.faults.control_drop):
                    self.drop_after_reply = True
                self.server.sendall(line + b"\n")
                continue
            self.client.sendall(self.rewrite(line) + b"\n")
            if self.drop_after_reply and line[:1] == b"1":
                self.faults.record("control-drop")
                close_quietly(self.client, reset=True)
                close_quietly(self.server, reset=True)
                return False
        return True

    def rewrite(self, line):
        match = PASV.match(line)
        if match:
            numbers = [int(n) for n in match.groups()]
            host = ".".join(str(n) for n in numbers[:4])
            relay = ClearDataRelay(self.faults, (host, numbers[4] * 256 + numbers[5]), self)
            return b"227 Entering Passive Mode (127,0,0,1,%d,%d)." % (relay.port // 256,
                                                                    relay.port % 256)
        match = EPSV.match(line)
        if match:
            relay = ClearDataRelay(self.faults, (self.target_host, int(match.group(1))), self)
            return b"229 Entering Extended Passive Mode (|||%d|)" % relay.port
        return line


class BlindControls:
    """The control connections passed through blindly, with the times of their last
    blocks each way. A passive transfer goes: the command sent, the data connection
    accepted, the command's 1xx reply, the client's first bytes on the data connection
    (its TLS handshake), then nothing on the control connection until the transfer
    ends."""

    def __init__(self):
        self.lock = threading.Lock()
        self.heard_client = {}  # BlindControl -> time of the client's last block
        self.heard_server = {}  # BlindControl -> time of the server's last block

    def heard(self, control, from_server):
        with self.lock:
            (self.heard_server if from_server else self.heard_client)[control] = \
                time.monotonic()

    def gone(self, control):
        with self.lock:
            self.heard_client.pop(control, None)
            self.heard_server.pop(control, None)

    def take_answerer(self, accepted_at, first_bytes_at):
        """The one open control connection whose server spoke last, after the data
        connection was accepted and before the client's first bytes there, and that has
        been quiet since, no longer listed; None when there is not exactly one (several
        transfers or listings set up at once)."""
        with self.lock:
            found = [c for c, answered in self.heard_server.items()
                     if accepted_at < answered < first_bytes_at and
                     self.heard_client.get(c, 0) < answered]
            if len(found) != 1:
                return None
            self.heard_client.pop(found[0], None)
            self.heard_server.pop(found[0])
            return found[0]


class BlindControl:
    def __init__(self, controls, client, target):
        self.controls = controls
        self.client = client
        self.server = socket.create_connection(target, timeout=120)
        # Another thread asks for the drop and this one plays it: a socket closed under
        # a select in another thread would not go before that select returns.
        self.wake_read, self.wake_write = socket.socketpair()
        self.dropped = False

    def run(self):
        try:
            relay_loop(self.client, self.server, self.on_block, self.wake_read)
        except OSError:
            pass
        self.controls.gone(self)
        close_quietly(self.client, reset=self.dropped)
        close_quietly(self.server, reset=self.dropped)
        close_quietly(self.wake_read)
        close_quietly(self.wake_write)

    def on_block(self, source, block):
        self.other(source).sendall(block)
        self.controls.heard(self, source is self.server)
        return True

    def other(self, side):
        return self.server if side is self.client else self.client

    def drop(self):
        self.dropped = True
        try:
            self.wake_write.send(b"x")
        except OSError:
            pass


class BlindDataLink(DataLink):
    """A data connection on one of the server's passive ports. The cut is planned when
    it is accepted. A control drop is armed then too, and played once the data
    connection has carried more than --min-cut bytes the way the cuts count (a file is
    on its way, not a listing), on the control connection that answered its transfer
    command, when that one can be told from the others."""

    def __init__(self, faults, client, server, accepted_at, cut_up, controls):
        super().__init__(faults, client, server)
        self.cut_source = client if cut_up else server
        self.plan = faults.cut_plan()
        self.controls = controls
        self.drop_armed = faults.chance(faults.control_drop)
        self.accepted_at = accepted_at
        self.first_bytes_at = None

    def before_block(self, source):
        if source is self.client and self.first_bytes_at is None:
            self.first_bytes_at = time.monotonic()

    def after_moved(self):
        if not self.drop_armed or self.first_bytes_at is None or \
                self.moved <= self.faults.min_cut:
            return
        self.drop_armed = False
        control = self.controls.take_answerer(self.accepted_at, self.first_bytes_at)
        if control is not None:
            self.faults.record("control-drop")
            control.drop()


def listen(host, port, backlog):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((host, port))
    listener.listen(backlog)
    return listener


def serve_blind_port(faults, args, controls, listener, port):
    while True:
        try:
            client, _ = listener.accept()
        except OSError:
            return
        # Before the server hears of it, so before its 1xx reply.
        accepted_at = time.monotonic()
        try:
            server = socket.create_connection((args.target_host, port), timeout=60)
        except OSError:
            close_quietly(client)
            continue
        link = BlindDataLink(faults, client, server, accepted_at, args.cut_way == "up",
                             controls)
        threading.Thread(target=link.run, daemon=True).start()


def start_blind_data_ports(faults, args, controls):
    low, high = (int(n) for n in args.data_ports.split(":"))
    for port in range(low, high + 1):
        listener = listen("127.0.0.1", port, 8)
        threading.Thread(target=serve_blind_port,
                         args=(faults, args, controls, listener, port), daemon=True).start()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--target-port", type=int, required=True)
    parser.add_argument("--target-host", default="127.0.0.1")
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--fault-file", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--data-cut", type=float, default=0.3,
                        help="share of transfers' data connections cut short")
    parser.add_argument("--control-drop", type=float, default=0.05,
                        help="share of transfer commands after which the control line drops")
    parser.add_argument("--min-cut", type=int, default=0,
                        help="a cut comes after at least this many bytes")
    parser.add_argument("--max-cut", type=int, default=200000,
                        help="and at most this many")
    parser.add_argument("--blind", metavar="LOW:HIGH", dest="data_ports",
                        help="blind mode, relaying these passive ports of the server")
    parser.add_argument("--cut-way", choices=("down", "up"), default="down",
                        help="blind mode: the way whose bytes a cut counts")
    args = parser.parse_args()

    faults = Faults(args)
    controls = BlindControls()
    if args.data_ports:
        start_blind_data_ports(faults, args, controls)
    listener = listen("127.0.0.1", 0, 16)
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(listener.getsockname()[1]))
    os.rename(temporary, args.port_file)
    target = (args.target_host, args.target_port)
    while True:
        client, _ = listener.accept()
        try:
            if args.data_ports:
                relay = BlindControl(controls, client, target)
            else:
                relay = ControlRelay(faults, client, target)
        except OSError:
            close_quietly(client)
            continue
        threading.Thread(target=relay.run, daemon=True).start()


if __name__ == "__main__":
    main()
