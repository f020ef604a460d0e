"""A flaky line between an FTP client and a server: a relay on an ephemeral loopback port
that passes the control connection through, gives every passive data connection a
listener of its own (the 227 and 229 replies are rewritten to name it), and breaks
things at random with a fixed seed:

  - a download's data connection is cut after a random number of bytes, by a close
    (FIN) or by a reset (RST);
  - the control connection is dropped right after a RETR went through (the client sees
    its 150 reply, then the line goes dead).

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

PASV = re.compile(rb"^227 .*?(\d+),(\d+),(\d+),(\d+),(\d+),(\d+)")
EPSV = re.compile(rb"^229 .*\(\|\|\|(\d+)\|\)")


class Faults:
    def __init__(self, seed, data_cut, control_drop, max_cut, fault_file):
        self.random = random.Random(seed)
        self.data_cut = data_cut
        self.control_drop = control_drop
        self.max_cut = max_cut
        self.lock = threading.Lock()
        self.file = open(fault_file, "a", buffering=1)

    def chance(self, p):
        with self.lock:
            return self.random.random() < p

    def cut_plan(self):
        """None, or (bytes before the cut, True for a reset)."""
        with self.lock:
            if self.random.random() >= self.data_cut:
                return None
            return self.random.randint(0, self.max_cut), self.random.random() < 0.5

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


def relay_loop(a, b, on_block):
    """Moves bytes both ways between sockets a and b in one thread (so that a close or
    a reset takes effect at once: no other thread holds a socket in recv). on_block(side,
    bytes) sends what it wants and returns False to stop."""
    open_sides = {a: b, b: a}
    while open_sides:
        readable, _, _ = select.select(list(open_sides), [], [], 120)
        if not readable:
            return
        for source in readable:
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


class DataRelay:
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
        self.plan = None
        self.sent = 0
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
        self.client, self.server = client, server
        try:
            relay_loop(client, server, self.on_block)
        except OSError:
            pass
        close_quietly(client)
        close_quietly(server)

    def on_block(self, source, block):
        if source is self.client:
            self.server.sendall(block)  # uploads go through untouched
            return True
        # The cut is played on what the server sends for a RETR: by its first byte the
        # server has the command, so we have seen it.
        if self.sent == 0 and self.plan is None and self.control.last_command == b"RETR":
            self.plan = self.faults.cut_plan()
        if self.plan is not None and self.sent + len(block) > self.plan[0]:
            at, reset = self.plan
            self.client.sendall(block[: at - self.sent])
            self.faults.record(("data-reset " if reset else "data-close ") + str(at))
            close_quietly(self.client, reset=reset)
            close_quietly(self.server, reset=True)
            return False
        self.client.sendall(block)
        self.sent += len(block)
        return True


class ControlRelay:
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
                if self.last_command == b"RETR" and \
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
            relay = DataRelay(self.faults, (host, numbers[4] * 256 + numbers[5]), self)
            return b"227 Entering Passive Mode (127,0,0,1,%d,%d)." % (relay.port // 256,
                                                                    relay.port % 256)
        match = EPSV.match(line)
        if match:
            relay = DataRelay(self.faults, (self.target_host, int(match.group(1))), self)
            return b"229 Entering Extended Passive Mode (|||%d|)" % relay.port
        return line


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--target-port", type=int, required=True)
    parser.add_argument("--target-host", default="127.0.0.1")
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--fault-file", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--data-cut", type=float, default=0.3,
                        help="share of download data connections cut short")
    parser.add_argument("--control-drop", type=float, default=0.05,
                        help="share of RETR commands after which the control line drops")
    parser.add_argument("--max-cut", type=int, default=200000,
                        help="a cut comes after 0 to this many bytes")
    args = parser.parse_args()

    faults = Faults(args.seed, args.data_cut, args.control_drop, args.max_cut,
                    args.fault_file)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(listener.getsockname()[1]))
    os.rename(temporary, args.port_file)
    target = (args.target_host, args.target_port)
    while True:
        client, _ = listener.accept()
        try:
            relay = ControlRelay(faults, client, target)
        except OSError:
            close_quietly(client)
            continue
        threading.Thread(target=relay.run, daemon=True).start()


if __name__ == "__main__":
    main()
