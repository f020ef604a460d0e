"""A long line between FTP clients and a server: a relay on an ephemeral loopback port
that holds every segment, both ways, control and data, for a fixed one-way delay (10 ms
by default: a 20 ms round trip) before passing it on, in order per direction. It passes
the control connection through and gives every passive data connection a listener of
its own (the 227 and 229 replies are rewritten to name it). Reaching the server costs
the one-way delay too, as a SYN would; the client's own connect returns at once.

Segments wait in a queue per direction, so the delay adds latency and nothing else:
bytes keep flowing while earlier ones wait, up to a window of several MiB per direction
(the reading side is paused beyond it). Ends and resets are delayed like data. One
event loop serves every connection, so many clients with many connections each cost
little.

Writes the port it listens on to the port file once it accepts connections, and keeps
counts in the stats file ("key value" lines, rewritten while it runs): control and data
connections so far and the most control connections open at once ("peak-control").
"""
import argparse
import asyncio
import collections
import os
import re
import resource
import signal
import socket
import struct

PASV = re.compile(rb"^227 .*?(\d+),(\d+),(\d+),(\d+),(\d+),(\d+)")
EPSV = re.compile(rb"^229 .*\(\|\|\|(\d+)\|\)")

# A direction stops reading once this much waits in its queue, and reads again below
# the low mark: room for several hundred MiB/s at a 10 ms delay.
WINDOW_HIGH = 8 << 20
WINDOW_LOW = 4 << 20
# A passive listener that nobody connects to is closed after this long.
LISTENER_TIMEOUT = 60

END = object()  # the source's FIN, passed on as our FIN
RESET = object()  # the source reset, passed on as a reset


class Stats:
    def __init__(self, path):
        self.path = path
        self.values = {"control": 0, "data": 0, "open-control": 0, "peak-control": 0}
        self.dirty = True

    def add(self, key, amount=1):
        self.values[key] += amount
        if key == "open-control":
            self.values["peak-control"] = max(self.values["peak-control"],
                                              self.values["open-control"])
        self.dirty = True

    def write(self):
        if not self.dirty:
            return
        self.dirty = False
        temporary = self.path + ".tmp"
        with open(temporary, "w") as f:
            for key, value in self.values.items():
                f.write("%s %d\n" % (key, value))
        os.rename(temporary, self.path)


class Side(asyncio.Protocol):
    """One socket of a connection pair. What it reads goes into `outgoing`, the lane
    towards the other socket."""

    def __init__(self, pair):
        self.pair = pair
        self.transport = None
        self.outgoing = None
        self.incoming = None
        self.closed = False
        self.read_paused = False
        self.write_paused = False

    def connection_made(self, transport):
        self.transport = transport
        transport.get_extra_info("socket").setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.pair.side_ready(self)

    def data_received(self, data):
        self.outgoing.push(data)

    def eof_received(self):
        self.outgoing.push(END)
        return True  # half-closed: the other way goes on

    def connection_lost(self, exc):
        self.closed = True
        if exc is not None:
            self.outgoing.push(RESET)
        elif not self.outgoing.ended:
            self.outgoing.push(END)
        self.pair.side_lost(self)

    def pause_writing(self):
        self.write_paused = True
        self.incoming.update_flow()

    def resume_writing(self):
        self.write_paused = False
        self.incoming.update_flow()

    def end(self):
        # The peer may have reset the socket before we heard of it.
        try:
            self.transport.write_eof()
        except OSError:
            self.transport.abort()

    def reset(self):
        if self.transport is None or self.closed:
            return
        # A close with lingering off sends a reset (a plain abort would send FIN).
        try:
            self.transport.get_extra_info("socket").setsockopt(
                socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        except OSError:
            pass
        self.transport.abort()

    def set_reading(self, on):
        if self.transport is None or self.closed or on != self.read_paused:
            return
        self.read_paused = not on
        if on:
            self.transport.resume_reading()
        else:
            self.transport.pause_reading()


class Lane:
    """One direction: blocks leave `delay` seconds after they came, in order."""

    def __init__(self, loop, delay, source, sink, rewrite=None):
        self.loop = loop
        self.delay = delay
        self.source = source
        self.sink = sink
        self.rewrite = rewrite  # line filter of the control replies, or None
        self.partial = b""
        self.queue = collections.deque()
        self.queued = 0
        self.timer = None
        self.ended = False  # END or RESET pushed
        self.delivered_end = False

    def push(self, block):
        if self.ended:
            return
        if block is END or block is RESET:
            self.ended = True
            if self.partial:
                self.enqueue(self.rewrite(self.partial))
                self.partial = b""
        elif self.rewrite is not None:
            # Replies are passed on by whole lines, so that a 227 split across two
            # segments is still seen and rewritten.
            block = self.partial + block
            cut = block.rfind(b"\n") + 1
            self.partial = block[cut:]
            if cut == 0:
                return
            block = b"".join(self.rewrite(line) for line in block[:cut].splitlines(True))
        self.enqueue(block)

    def enqueue(self, block):
        due = self.loop.time() + self.delay
        self.queue.append((due, block))
        if isinstance(block, bytes):
            self.queued += len(block)
        self.update_flow()
        if self.timer is None:
            self.timer = self.loop.call_at(due, self.flush)

    def flush(self):
        self.timer = None
        if self.sink.transport is None:
            return  # not connected yet: side_ready flushes again
        now = self.loop.time()
        while self.queue and self.queue[0][0] <= now:
            _, block = self.queue.popleft()
            if block is END:
                self.delivered_end = True
                if not self.sink.closed:
                    self.sink.end()
                self.source.pair.lane_done()
            elif block is RESET:
                self.delivered_end = True
                if not self.sink.closed:
                    self.sink.reset()
                self.source.pair.lane_done()
            else:
                self.queued -= len(block)
                if not self.sink.closed:
                    self.sink.transport.write(block)
        self.update_flow()
        if self.queue:
            self.timer = self.loop.call_at(self.queue[0][0], self.flush)

    def update_flow(self):
        if self.queued > WINDOW_HIGH or self.sink.write_paused:
            self.source.set_reading(False)
        elif self.queued < WINDOW_LOW:
            self.source.set_reading(True)

    def cancel(self):
        if self.timer is not None:
            self.timer.cancel()
            self.timer = None


class Pair:
    """A client socket and the server socket it is relayed to."""

    def __init__(self, relay, target, rewrite=None, kind="data"):
        self.relay = relay
        self.target = target
        self.kind = kind
        self.client = Side(self)
        self.server = Side(self)
        loop, delay = relay.loop, relay.delay
        self.up = Lane(loop, delay, self.client, self.server)
        self.down = Lane(loop, delay, self.server, self.client, rewrite)
        self.client.outgoing = self.server.incoming = self.up
        self.server.outgoing = self.client.incoming = self.down
        self.finished = False

    def side_ready(self, side):
        if side is self.client:
            relay = self.relay
            relay.stats.add(self.kind)
            if self.kind == "control":
                relay.stats.add("open-control")
            # The server hears of the connection one way later, as it would of a SYN.
            relay.loop.call_later(relay.delay, lambda: relay.start(self.connect()))
        else:
            self.up.cancel()
            self.up.flush()

    async def connect(self):
        # Even a client gone meanwhile is connected: what it sent, and its end, still
        # reach the server.
        try:
            await self.relay.loop.create_connection(lambda: self.server, *self.target)
        except OSError:
            self.client.reset()
            self.finish()

    def side_lost(self, side):
        if self.client.closed and (self.server.closed or self.server.transport is None):
            self.finish()

    def lane_done(self):
        # Both ends passed on: nothing more will cross.
        if self.up.delivered_end and self.down.delivered_end:
            for side in (self.client, self.server):
                if side.transport is not None and not side.closed:
                    side.transport.close()
            self.finish()

    def finish(self):
        if self.finished:
            return
        self.finished = True
        if self.kind == "control":
            self.relay.stats.add("open-control", -1)


class ControlPair(Pair):
    def __init__(self, relay, target):
        # A plain relay (SSH, say) passes the bytes as they come: no replies to rewrite.
        super().__init__(relay, target, None if relay.plain else self.rewrite, "control")

    def rewrite(self, line):
        match = PASV.match(line)
        if match:
            numbers = [int(n) for n in match.groups()]
            host = ".".join(str(n) for n in numbers[:4])
            port = self.relay.data_listener((host, numbers[4] * 256 + numbers[5]))
            return b"227 Entering Passive Mode (127,0,0,1,%d,%d).\r\n" % (port // 256, port % 256)
        match = EPSV.match(line)
        if match:
            port = self.relay.data_listener((self.target[0], int(match.group(1))))
            return b"229 Entering Extended Passive Mode (|||%d|)\r\n" % port
        return line


class Relay:
    def __init__(self, loop, delay, target, stats, plain=False):
        self.plain = plain
        self.loop = loop
        self.delay = delay
        self.target = target
        self.stats = stats
        self.tasks = set()  # the loop keeps only weak references to its tasks

    def start(self, coroutine):
        task = self.loop.create_task(coroutine)
        self.tasks.add(task)
        task.add_done_callback(self.tasks.discard)

    def data_listener(self, server_address):
        """A listener for one data connection to server_address; returns its port."""
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        sock.bind(("127.0.0.1", 0))
        sock.listen(1)
        sock.setblocking(False)
        port = sock.getsockname()[1]
        self.start(self.serve_once(sock, server_address))
        return port

    async def serve_once(self, sock, server_address):
        try:
            client, _ = await asyncio.wait_for(self.loop.sock_accept(sock), LISTENER_TIMEOUT)
        except (OSError, asyncio.TimeoutError):
            sock.close()
            return
        sock.close()
        pair = Pair(self, server_address)
        await self.loop.connect_accepted_socket(lambda: pair.client, client)


async def serve(args):
    loop = asyncio.get_running_loop()
    stats = Stats(args.stats_file)
    relay = Relay(loop, args.delay_ms / 1000.0, (args.target_host, args.target_port), stats,
                  args.plain)
    server = await loop.create_server(lambda: ControlPair(relay, relay.target).client,
                                      "127.0.0.1", 0, backlog=256, reuse_address=True)
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(server.sockets[0].getsockname()[1]))
    os.rename(temporary, args.port_file)
    stop = asyncio.Event()
    for number in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(number, stop.set)
    while not stop.is_set():
        stats.write()
        try:
            await asyncio.wait_for(stop.wait(), 0.2)
        except asyncio.TimeoutError:
            pass
    stats.write()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--target-port", type=int, required=True)
    parser.add_argument("--target-host", default="127.0.0.1")
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--stats-file", required=True)
    parser.add_argument("--delay-ms", type=float, default=10.0,
                        help="one-way delay; the round trip is twice this")
    parser.add_argument("--plain", action="store_true",
                        help="relay any TCP protocol as it is (no FTP replies rewritten)")
    args = parser.parse_args()
    # Every relayed connection holds two descriptors, a passive one a listener too.
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
    asyncio.run(serve(args))


if __name__ == "__main__":
    main()
