#!/usr/bin/python3
"""Runs a pyftpdlib FTP server on 127.0.0.1 in the foreground for the tests.

The tests need a server whose behaviour they can bend: a greeting of their
choice, listings whose times are off by a known amount, a server without
MLSD. Everything is done by subclassing the handler and the filesystem of
this one process, so several differently configured servers can run side by
side.

Example:
  /usr/bin/python3 pyftpd.py --root /tmp/r --user ravo --password ravo-pw \
      --anonymous --port 0 --ready-file /tmp/r.port
"""

import argparse
import logging
import os
import signal
import socket
import time
import sys
import warnings

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import ActiveDTP, FTPHandler
from pyftpdlib.servers import FTPServer
from ports import parse_range

FULL_PERMS = "elradfmwMT"


class _ShiftedStat(object):
    """A stat result whose times are moved; everything else passes through.

    Both LIST (lstat) and MLSD/MLST (stat) read st_mtime from here, so the
    two kinds of listing stay consistent with each other, and the "older
    than six months" choice in LIST is made on the shifted time, as a
    server with a wrong clock would.
    """

    def __init__(self, st, shift):
        self._st = st
        self.st_mtime = st.st_mtime + shift
        self.st_ctime = st.st_ctime + shift
        self.st_atime = st.st_atime + shift

    def __getattr__(self, name):
        return getattr(self._st, name)


def make_filesystem(shift_seconds):
    if not shift_seconds:
        return AbstractedFS

    class ShiftedFS(AbstractedFS):
        # Only stat/lstat are shifted: pyftpdlib uses them for listings and
        # existence checks only. MDTM goes through getmtime() and keeps the
        # true time, like a server whose listings are in local time while
        # MDTM is in UTC; a client can detect the offset from the two.
        def stat(self, path):
            return _ShiftedStat(AbstractedFS.stat(self, path), shift_seconds)

        def lstat(self, path):
            return _ShiftedStat(AbstractedFS.lstat(self, path), shift_seconds)

    return ShiftedFS


class HandOverActiveDTP(ActiveDTP):
    """An active-mode connector that forgets its socket once it has handed it
    over to the data channel.

    pyftpdlib 1.5.7 keeps the connector, with the handed-over socket's file
    descriptor number, until the session's next PORT closes it. By then the
    data channel has closed that socket and the number may belong to another
    session's new data connection; the late close takes that one out of the
    I/O loop, and its transfer stops in mid-stream: the client waits for the
    rest, or for the end of the data, until its time-out. With two clients at
    once, one of them in active mode, a passive listing then stalls.
    """

    def handle_connect(self):
        ActiveDTP.handle_connect(self)
        if not self._closed:
            self._fileno = None
            self.socket = None


def tls_base(args):
    """The handler class to derive from: with --tls-cert, explicit TLS
    (AUTH TLS) demanded for the login and every data connection."""
    if not args.tls_cert:
        return FTPHandler
    # Imported only here: pyOpenSSL is needed by the TLS servers alone.
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

    class EarlyHandshakeDTP(TLS_DTPHandler):
        """A data channel that lets the client start its TLS handshake before
        sending the transfer command.

        pyftpdlib 1.5.7 takes anything readable on a data connection that
        has no transfer yet for a disconnect and closes it; a client that
        connects and handshakes right after PASV (curl does) then loses the
        connection in mid-handshake, while vsftpd and ProFTPD accept it.
        """

        def readable(self):
            return self._ssl_accepting or TLS_DTPHandler.readable(self)

    class TLSHandler(TLS_FTPHandler):
        dtp_handler = EarlyHandshakeDTP
        certfile = args.tls_cert
        keyfile = args.tls_key
        tls_control_required = True
        tls_data_required = True

    return TLSHandler


def make_handler(args, authorizer):
    base = tls_base(args)
    proto_cmds = dict(base.proto_cmds)
    if args.no_mlsd:
        # FEAT, HELP and OPTS MLST all consult proto_cmds, so removing the
        # two commands makes the server behave as one that never had them
        # (MLSD then gets "500 not understood").
        proto_cmds.pop("MLSD", None)
        proto_cmds.pop("MLST", None)
    if args.no_mfmt:
        proto_cmds.pop("MFMT", None)

    banner_lines = args.banner.replace("\r", "").split("\\n") if args.banner else None

    class Handler(base):
        pass

    Handler.authorizer = authorizer
    Handler.active_dtp = HandOverActiveDTP
    Handler.abstracted_fs = make_filesystem(args.time_shift_minutes * 60)
    if args.clock_ahead_seconds:
        ahead = args.clock_ahead_seconds

        def on_file_received(self, file):
            # The server's clock is ahead: an upload is stamped with it.
            stamp = time.time() + ahead
            os.utime(file, (stamp, stamp))

        Handler.on_file_received = on_file_received
    Handler.proto_cmds = proto_cmds
    if args.passive_ports:
        Handler.passive_ports = list(range(args.passive_ports[0], args.passive_ports[1] + 1))
    if banner_lines is not None:
        Handler.banner = " ".join(banner_lines)

        def handle(self):
            # pyftpdlib would send a multi-line greeting as one "220 " line
            # with bare LFs inside. Send a proper RFC 959 multi-line reply
            # instead; the middle lines go out exactly as written so a test
            # can craft tricky continuation lines (" 220 ...", "220-...").
            self.on_connect()
            if self._closed or self._closing:
                return
            if len(banner_lines) == 1:
                self.respond("220 " + banner_lines[0])
                return
            text = "220-" + banner_lines[0] + "\r\n"
            text += "".join(line + "\r\n" for line in banner_lines[1:-1])
            self.push(text)
            self.respond("220 " + banner_lines[-1])

        Handler.handle = handle
    return Handler




def write_ready_file(path, port):
    # Written under a temporary name and renamed, so a waiter polling for
    # the file never reads a half-written port number.
    tmp = "%s.tmp.%d" % (path, os.getpid())
    with open(tmp, "w") as f:
        f.write("%d\n" % port)
    os.replace(tmp, path)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--root", required=True, help="folder served to the users")
    p.add_argument("--user")
    p.add_argument("--password")
    p.add_argument("--anonymous", action="store_true",
                   help="also accept anonymous logins, read+write, same root")
    p.add_argument("--port", type=int, default=0, help="0 = any free port")
    p.add_argument("--passive-ports", type=parse_range, metavar="A-B")
    p.add_argument("--banner", help='220 greeting; a literal "\\n" starts a new line')
    p.add_argument("--time-shift-minutes", type=int, default=0,
                   help="move listed modification times (LIST, MLSD, MLST)")
    p.add_argument("--no-mfmt", action="store_true", help="do not offer MFMT")
    p.add_argument("--clock-ahead-seconds", type=int, default=0,
                   help="stamp uploaded files this far ahead of the real time")
    p.add_argument("--no-mlsd", action="store_true",
                   help="do not offer MLSD/MLST (nor list them in FEAT)")
    p.add_argument("--readonly-user", metavar="NAME:PASSWORD:SUBDIR",
                   help="a user who may only list and read the root, but write in SUBDIR")
    p.add_argument("--tls-cert", help="PEM certificate: TLS required for logins and data")
    p.add_argument("--tls-key", help="PEM private key of --tls-cert")
    p.add_argument("--ready-file", help="receives the port once listening")
    p.add_argument("--log", help="full protocol log to this file (default: warnings to stderr)")
    args = p.parse_args()

    if bool(args.user) != (args.password is not None):
        p.error("--user and --password go together")
    if not args.user and not args.anonymous:
        p.error("give --user/--password, --anonymous, or both")
    if bool(args.tls_cert) != bool(args.tls_key):
        p.error("--tls-cert and --tls-key go together")

    if args.log:
        logging.basicConfig(filename=args.log, level=logging.DEBUG,
                            format="%(asctime)s %(levelname)s %(message)s")
    else:
        logging.basicConfig(level=logging.WARNING, format="pyftpd: %(message)s")

    root = os.path.abspath(args.root)
    os.makedirs(root, exist_ok=True)

    authorizer = DummyAuthorizer()
    if args.user:
        authorizer.add_user(args.user, args.password, root, perm=FULL_PERMS)
    if args.anonymous:
        # pyftpdlib warns about a writable anonymous user; here it is wanted.
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            authorizer.add_anonymous(root, perm=FULL_PERMS)

    if args.readonly_user:
        name, password, subdir = args.readonly_user.split(":", 2)
        writable = os.path.join(root, subdir)
        os.makedirs(writable, exist_ok=True)
        authorizer.add_user(name, password, root, perm="elr")
        authorizer.override_perm(name, writable, FULL_PERMS, recursive=True)

    handler = make_handler(args, authorizer)

    # Binding our own socket lets port 0 work: the kernel picks a free port
    # and we report the one it chose, with no window for another process to
    # take it between choosing and listening.
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    try:
        sock.bind(("127.0.0.1", args.port))
    except OSError as e:
        sys.exit("pyftpd: cannot listen on 127.0.0.1:%d: %s" % (args.port, e))
    server = FTPServer(sock, handler)
    port = server.address[1]

    def on_signal(signum, frame):
        # SystemExit unwinds out of the I/O loop; serve_forever catches it
        # and closes every socket before returning.
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGHUP, on_signal)

    if args.ready_file:
        write_ready_file(args.ready_file, port)
    try:
        server.serve_forever(handle_exit=True)
    finally:
        server.close_all()
        # A ready file outliving the server would tell a waiter a dead port
        # is ready.
        if args.ready_file:
            try:
                os.unlink(args.ready_file)
            except OSError:
                pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
