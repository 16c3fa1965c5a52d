#!/usr/bin/python3
"""Two sessions on one pyftpd.py server, one of them in active mode: the
other's transfer must run to its end.

The server's file descriptors are numbered lowest-free-first, so the steps
below make session B's data connection take the number of the socket that
session A's active connector handed over and that has since been closed.
A's next PORT then closes that connector; unpatched, this takes B's data
connection out of the server's I/O loop and B's download stops in
mid-stream. The script runs a server of its own (no other client may
disturb the numbering) and stops it by PID. Exit status 0 = the download
completed.
"""

import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16 << 20  # far more than the socket buffers hold


class Session(object):
    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=10)
        self.lines = self.sock.makefile("rb")
        self.reply()
        for command in ("USER u", "PASS p", "TYPE I"):
            self.command(command)

    def reply(self):
        line = self.lines.readline().decode()
        while line[3:4] == "-":
            line = self.lines.readline().decode()
        return line.strip()

    def command(self, line):
        self.sock.sendall((line + "\r\n").encode())
        return self.reply()

    def port(self):
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(1)
        p = listener.getsockname()[1]
        self.command("PORT 127,0,0,1,%d,%d" % (p // 256, p % 256))
        return listener


def run(port):
    a, b = Session(port), Session(port)
    epsv = b.command("EPSV")
    b_port = int(epsv.split("|||")[1].split("|")[0])
    # A: one active upload; the server's socket for it is closed afterwards.
    listener = a.port()
    a.sock.sendall(b"STOR small.txt\r\n")
    data, _ = listener.accept()
    a.reply()
    data.sendall(b"x")
    data.close()
    a.reply()
    # B: its data connection now takes that socket's number.
    b_data = socket.create_connection(("127.0.0.1", b_port), timeout=3)
    b.command("RETR big.bin")
    time.sleep(0.3)  # the server fills the socket buffers and waits
    a.port()         # closes A's old connector
    got = 0
    try:
        while True:
            chunk = b_data.recv(1 << 20)
            if not chunk:
                break
            got += len(chunk)
    except socket.timeout:
        pass
    if got != SIZE:
        print("handover_check: B's download stopped after %d of %d bytes" % (got, SIZE))
        return 1
    return 0


def main():
    work = tempfile.mkdtemp(prefix="ravo-handover-")
    server = None
    try:
        root = os.path.join(work, "root")
        os.makedirs(root)
        with open(os.path.join(root, "big.bin"), "wb") as f:
            f.truncate(SIZE)
        ready = os.path.join(work, "ready")
        server = subprocess.Popen([sys.executable, os.path.join(HERE, "pyftpd.py"), "--root", root,
                                   "--user", "u", "--password", "p", "--port", "0", "--ready-file", ready])
        deadline = time.monotonic() + 20
        while not os.path.exists(ready):
            if server.poll() is not None or time.monotonic() > deadline:
                print("handover_check: the server did not start")
                return 1
            time.sleep(0.05)
        with open(ready) as f:
            return run(int(f.read()))
    finally:
        if server is not None:
            server.terminate()
            server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
