#!/usr/bin/python3
"""Hostile neighbours against the real program over loopback, two figures:

1. Log flood: one local host sends malformed plain requests and broken WebSocket frames as fast as it can for
   --flood-seconds; prints the bytes per second that reached the log file and the standard error stream, the
   log's size at the end, and whether lines written after the flood (a malformed request with a marker, then
   the shutdown lines) are in the log.
2. Silent strangers: five sessions from 127.0.0.2 to 127.0.0.6 ask to pair and then say nothing, not even the
   answer to a ping. A new phone (a WebSocket client that answers pings, as a phone does) sends Connect once a
   second until it hears "PairPending" (its question is shown): prints after how long, or that it never did
   within --pair-limit seconds. Then, on a user folder in which the phone is paired, the time from its Connect
   to "connected": true with five such strangers connected, and how many strangers are still open later.

Usage: bench/server/hostile_neighbours.py [--program build/shell/vellichor] [--flood-seconds 30]
                                          [--pair-limit 60]
Needs /usr/bin/python3 with python3-websockets (scripts/deps.sh installs it). Loopback only.
"""

import argparse
import asyncio
import json
import os
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import threading
import time

import websockets

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def free_port(kind):
    s = socket.socket(socket.AF_INET, kind)
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def masked_frame(opcode, payload, fin=True):
    key = b"\x21\x43\x65\x87"
    head = bytes([(0x80 if fin else 0) | opcode])
    n = len(payload)
    if n < 126:
        head += bytes([0x80 | n])
    elif n < 65536:
        head += bytes([0x80 | 126]) + struct.pack(">H", n)
    else:
        head += bytes([0x80 | 127]) + struct.pack(">Q", n)
    return head + key + bytes(b ^ key[i % 4] for i, b in enumerate(payload))


UPGRADE = (b"GET / HTTP/1.1\r\nHost: pc\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
           b"Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n")


class Program:
    """The program on a private home, user folder, runtime folder and free ports; stderr goes to a file."""

    def __init__(self, path, work, paired=None):
        self.path = os.path.abspath(path)
        self.work = work
        self.tcp = free_port(socket.SOCK_STREAM)
        self.udp = free_port(socket.SOCK_DGRAM)
        for d in ("home", "run", "user", "tmp"):
            os.makedirs(os.path.join(work, d), exist_ok=True)
        os.chmod(os.path.join(work, "run"), 0o700)
        self.env = dict(os.environ)
        self.env.update({
            "QT_QPA_PLATFORM": "offscreen", "HOME": os.path.join(work, "home"),
            "XDG_RUNTIME_DIR": os.path.join(work, "run"), "TMPDIR": os.path.join(work, "tmp"),
            "MERVEX_USER_DIR": os.path.join(work, "user"), "MERVEX_DATA_DIR": os.path.join(ROOT, "data"),
            "MERVEX_INSTANCE_NAME": "hostile-%d-%s" % (os.getpid(), os.path.basename(work)),
            "MERVEX_TCP_PORT": str(self.tcp), "MERVEX_UDP_PORT": str(self.udp),
            "MERVEX_WEB_HOST": "127.0.0.1:9", "MERVEX_SUPPORT_DOMAIN": "127.0.0.1:9",
            "MERVEX_ACCOUNT_HOST": "127.0.0.1:9", "MERVEX_ACCOUNT_WEB_HOST": "127.0.0.1:9",
        })
        if paired:
            self.pair(paired)
        self.log = os.path.join(work, "run", "MERVEX", "Velli-Chor", "log.txt")
        self.stderr_path = os.path.join(work, "stderr.txt")
        self.stderr = open(self.stderr_path, "wb")
        self.proc = subprocess.Popen([self.path], env=self.env, stdout=subprocess.DEVNULL, stderr=self.stderr)
        deadline = time.time() + 60
        while time.time() < deadline and not self.answers():
            time.sleep(0.2)
        if not self.answers():
            raise SystemExit("the program did not answer GetInfo within 60 s")

    def pair(self, device):
        # A first run writes the user configuration; the device goes into its empty device list.
        subprocess.run([self.path, "--smoke"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=120, check=True)
        cfg = os.path.join(self.work, "user", "userCfg.json")
        text = open(cfg, encoding="utf-8").read()
        if "Devices:[]" not in text:
            raise SystemExit("the user configuration has no empty device list")
        name, key = device
        entry = json.dumps([{"Name": name, "Token": key, "Desc": "bench", "Active": True}], separators=(",", ":"))
        open(cfg, "w", encoding="utf-8").write(text.replace("Devices:[]", "Devices:" + entry))

    def answers(self):
        try:
            with socket.create_connection(("127.0.0.1", self.tcp), timeout=2) as s:
                s.sendall(b"GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n")
                return b"MervexSrv" in s.recv(4096)
        except OSError:
            return False

    def log_bytes(self):
        total = 0
        for path in (self.log, self.log + ".1"):
            try:
                total += os.path.getsize(path)
            except OSError:
                pass
        return total

    def log_text(self):
        text = b""
        for path in (self.log + ".1", self.log):
            try:
                text += open(path, "rb").read()
            except OSError:
                pass
        return text

    def stop(self):
        self.proc.send_signal(signal.SIGTERM)
        try:
            self.proc.wait(60)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.stderr.close()


def flood_worker(port, stop, counts, index):
    broken = masked_frame(9, b"x" * 126)  # a ping longer than a control frame may be: a protocol error
    n = 0
    while not stop.is_set():
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=2) as s:
                if n % 2:
                    s.sendall(UPGRADE)
                    s.recv(4096)
                    s.sendall(broken)
                else:
                    s.sendall(b"BROKEN\r\n\r\n")
                try:
                    s.recv(64)
                except OSError:
                    pass
            n += 1
        except OSError:
            time.sleep(0.01)
    counts[index] = n


def log_flood(program_path, seconds):
    work = tempfile.mkdtemp(prefix="mervex-hostile-")
    try:
        prog = Program(program_path, work)
        time.sleep(1)
        err0 = os.path.getsize(prog.stderr_path)
        stop = threading.Event()
        counts = [0] * 4
        threads = [threading.Thread(target=flood_worker, args=(prog.tcp, stop, counts, i)) for i in range(4)]
        # Bytes that reached the log: growth of log.txt, plus what a rotation moved aside.
        written, last = 0, prog.log_bytes()
        start = time.time()
        for t in threads:
            t.start()
        full_at, written_until_full = None, 0
        while time.time() - start < seconds:
            time.sleep(0.2)
            now = prog.log_bytes()
            written += max(0, now - last)
            last = now
            if full_at is None and b"reached its limit" in open(prog.log, "rb").read()[-400:]:
                full_at, written_until_full = time.time() - start, written
        stop.set()
        for t in threads:
            t.join()
        elapsed = time.time() - start
        err = os.path.getsize(prog.stderr_path) - err0
        time.sleep(2)
        with socket.create_connection(("127.0.0.1", prog.tcp), timeout=2) as s:
            s.sendall(b"LATE-LINE-MARKER\r\n\r\n")
            time.sleep(0.5)
        time.sleep(1)
        prog.stop()
        text = prog.log_text()
        print("log flood from one host, %.0f s, %d connections:" % (elapsed, sum(counts)))
        print("  log file:  %8.0f bytes/s  (%d bytes at the end; %s)" %
              (written / elapsed, prog.log_bytes(),
               "it stopped at its limit after %.0f s, having taken %.0f bytes/s until then" %
               (full_at, written_until_full / full_at) if full_at is not None else "never stopped"))
        print("  stderr:    %8.0f bytes/s" % (err / elapsed))
        print("  a peer's line after the flood in the log: %s" % ("yes" if b"LATE-LINE-MARKER" in text else "no"))
        print("  the shutdown lines in the log:           %s" %
              ("yes" if b"main: main window destroyed" in text else "no"))
    finally:
        shutil.rmtree(work, ignore_errors=True)


def silent_stranger(host, port, index):
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    s.bind((host, 0))
    s.connect(("127.0.0.1", port))
    s.sendall(UPGRADE)
    s.settimeout(5)
    head = b""
    while b"\r\n\r\n" not in head:
        head += s.recv(4096)
    s.sendall(masked_frame(1, ("Connect?n=Stranger%d&t=stranger-%d&v=0.45" % (index, index)).encode()))
    rest = head.split(b"\r\n\r\n", 1)[1]
    deadline = time.time() + 5
    while b"PairPending" not in rest and b"Connect?" not in rest and time.time() < deadline:
        try:
            rest += s.recv(4096)
        except socket.timeout:
            break
    # From here on it sends nothing, and reads nothing.
    return s, b"PairPending" in rest


def still_open(sock):
    sock.setblocking(False)
    try:
        while True:
            data = sock.recv(65536)
            if not data:
                return False
    except BlockingIOError:
        return True
    except OSError:
        return False


def five_strangers(port):
    return [silent_stranger("127.0.0.%d" % (2 + i), port, i) for i in range(5)]


async def phone_until_asked(port, limit):
    async with websockets.connect("ws://127.0.0.1:%d/" % port, ping_interval=None) as ws:
        start = time.time()
        while time.time() - start < limit:
            await ws.send("Connect?n=MyPhone&t=my-phone-key&d=bench&v=0.45&hb=5")
            try:
                end = time.time() + 1
                while time.time() < end:
                    msg = await asyncio.wait_for(ws.recv(), max(0.01, end - time.time()))
                    if isinstance(msg, bytes) and msg.startswith(b"PairPending"):
                        return time.time() - start
            except asyncio.TimeoutError:
                pass
        return None


async def paired_phone_connects(port, limit):
    async with websockets.connect("ws://127.0.0.1:%d/" % port, ping_interval=None) as ws:
        start = time.time()
        await ws.send("Connect?n=MyPhone&t=my-phone-key&d=bench&v=0.45&hb=5")
        while time.time() - start < limit:
            try:
                msg = await asyncio.wait_for(ws.recv(), limit)
            except asyncio.TimeoutError:
                break
            if isinstance(msg, bytes) and msg.startswith(b"Connect?"):
                reply = json.loads(msg.split(b"\0", 1)[1])
                return time.time() - start if reply.get("connected") else None
        return None


def silent_sessions(program_path, limit):
    work = tempfile.mkdtemp(prefix="mervex-hostile-")
    try:
        prog = Program(program_path, work)
        strangers = five_strangers(prog.tcp)
        queued = sum(1 for _, pending in strangers if pending)
        took = asyncio.run(phone_until_asked(prog.tcp, limit))
        prog.stop()
        print("silent strangers, first start (no phone paired yet): %d of 5 strangers got a pairing place" % queued)
        print("  a new phone is asked about: %s" %
              ("after %.1f s" % took if took is not None else "never within %d s" % limit))
        for s, _ in strangers:
            s.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)

    work = tempfile.mkdtemp(prefix="mervex-hostile-")
    try:
        prog = Program(program_path, work, paired=("MyPhone", "my-phone-key"))
        strangers = five_strangers(prog.tcp)
        took = asyncio.run(paired_phone_connects(prog.tcp, limit))
        time.sleep(25)
        open_count = sum(1 for s, _ in strangers if still_open(s))
        prog.stop()
        print("silent strangers, a paired phone:")
        print("  it connects: %s" % ("after %.1f ms" % (took * 1000) if took is not None else "never within %d s" % limit))
        print("  strangers still connected 25 s later: %d of 5" % open_count)
        for s, _ in strangers:
            s.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "shell", "vellichor"))
    parser.add_argument("--flood-seconds", type=float, default=30)
    parser.add_argument("--pair-limit", type=float, default=60)
    args = parser.parse_args()
    log_flood(args.program, args.flood_seconds)
    silent_sessions(args.program, args.pair_limit)


if __name__ == "__main__":
    main()
