#!/usr/bin/python3
"""Runs /usr/sbin/vsftpd on 127.0.0.1 in the foreground for the tests.

vsftpd is driven only by a config file of our own, kept in a private state
folder, so the system configuration and system log paths are never used.
Logins are for a real local user (created by scripts/setup), chrooted into
--root. The launcher waits until the port answers "220", writes --ready-file,
then stays until vsftpd exits; SIGTERM/SIGINT stop vsftpd together with
every session process it forked.

Example (as root):
  /usr/bin/python3 vsftpd_run.py --root /tmp/v --port 0 --ready-file /tmp/v.port
"""

import argparse
import ctypes
import os
import pwd
import random
import signal
import socket
import subprocess
import sys
import tempfile
import time
from ports import parse_range, port_is_free

VSFTPD = "/usr/sbin/vsftpd"
PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


def fail(msg):
    sys.stderr.write("vsftpd_run: %s\n" % msg)
    sys.exit(1)






def free_port():
    # vsftpd has no "port 0": take one from the kernel and hand it over. The
    # short window in between is covered by retrying if vsftpd cannot bind.
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def free_range(count=100):
    # Below the kernel's ephemeral range, so client sockets never sit on it.
    for _ in range(200):
        low = random.randrange(20000, 32000 - count)
        if all(port_is_free(p) for p in range(low, low + count)):
            return low, low + count - 1
    fail("found no free passive-port range")


def user_can_use(root, user):
    """True if `user` can enter, list and write `root`.

    vsftpd enters local_root with the user's own ids, so a folder that is
    fine for root (e.g. below a 0700 temporary folder) can still fail the
    login with an unhelpful "500 OOPS". Checking it here with a forked child
    running as the user gives a clear message instead.
    """
    pid = os.fork()
    if pid == 0:
        try:
            os.setgroups(os.getgrouplist(user.pw_name, user.pw_gid))
            os.setgid(user.pw_gid)
            os.setuid(user.pw_uid)
            ok = os.access(root, os.R_OK | os.W_OK | os.X_OK)
            os._exit(0 if ok else 1)
        except BaseException:
            os._exit(2)
    _, status = os.waitpid(pid, 0)
    return os.WIFEXITED(status) and os.WEXITSTATUS(status) == 0


def write_config(path, args, port, pasv, state):
    empty = os.path.join(state, "empty")
    os.makedirs(empty, exist_ok=True)
    os.chmod(empty, 0o755)
    lines = [
        # Standalone listener kept in the foreground so this launcher owns it.
        "listen=YES",
        "listen_ipv6=NO",
        "background=NO",
        "listen_address=127.0.0.1",
        "listen_port=%d" % port,
        # Local user only, locked into the test folder.
        "anonymous_enable=NO",
        "local_enable=YES",
        "pam_service_name=vsftpd",
        "write_enable=YES",
        "local_umask=022",
        "file_open_mode=0666",
        "local_root=%s" % args.root,
        "chroot_local_user=YES",
        "allow_writeable_chroot=YES",
        # Both data-connection modes, with a passive range of its own so
        # servers running side by side never compete for the same ports.
        "pasv_enable=YES",
        "pasv_min_port=%d" % pasv[0],
        "pasv_max_port=%d" % pasv[1],
        "port_enable=YES",
        "connect_from_port_20=NO",
        # The sandboxing features need namespaces/seccomp set-ups that are
        # not available everywhere the tests run (containers, Wine hosts).
        "seccomp_sandbox=NO",
        "isolate=NO",
        "isolate_network=NO",
        "secure_chroot_dir=%s" % empty,
        # Logs stay in the state folder; nothing goes to syslog or /var/log.
        "syslog_enable=NO",
        "dual_log_enable=NO",
        "xferlog_enable=YES",
        "xferlog_std_format=NO",
        "vsftpd_log_file=%s" % os.path.join(state, "vsftpd.log"),
        "log_ftp_protocol=%s" % ("YES" if args.log_protocol else "NO"),
    ]
    if args.banner:
        lines.append("ftpd_banner=%s" % args.banner)
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    # vsftpd refuses a config file not owned by the user running it.
    os.chmod(tmp, 0o600)
    os.replace(tmp, path)


def answers_220(port, timeout=1.0):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
            s.settimeout(timeout)
            data = b""
            while b"\n" not in data:
                chunk = s.recv(512)
                if not chunk:
                    break
                data += chunk
            try:
                s.sendall(b"QUIT\r\n")
            except OSError:
                pass
            return data.startswith(b"220")
    except OSError:
        return False


def set_child_death_signal():
    # Runs in the child before exec: if this launcher is killed outright
    # (SIGKILL), the kernel still stops the vsftpd listener.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def children_of(pid):
    kids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                stat = f.read()
        except OSError:
            continue
        # The command name is in parentheses and may hold spaces.
        fields = stat[stat.rindex(")") + 2:].split()
        if int(fields[1]) == pid and fields[0] != "Z":
            kids.append(int(entry))
    return kids


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def stop_all_children(grace=2.0):
    """Stops vsftpd and every session process it forked.

    The launcher is a child subreaper, so session processes orphaned by the
    listener's exit are re-parented here and can be found as our children.
    """
    sig = signal.SIGTERM
    deadline = time.monotonic() + grace
    while True:
        reap()
        kids = children_of(os.getpid())
        if not kids:
            return
        for k in kids:
            try:
                os.kill(k, sig)
            except ProcessLookupError:
                pass
        if time.monotonic() > deadline:
            sig = signal.SIGKILL
        time.sleep(0.05)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--root", required=True, help="folder the user is chrooted into")
    p.add_argument("--user", default="ravoftp", help="local user the tests log in as")
    p.add_argument("--port", type=int, default=0, help="0 = any free port")
    p.add_argument("--passive-ports", type=parse_range, metavar="A-B",
                   help="default: a free range of 100 ports")
    p.add_argument("--state", help="private folder for config and logs (default: temporary)")
    p.add_argument("--ready-file", help="receives the port once it answers 220")
    p.add_argument("--banner", help="one-line 220 greeting")
    p.add_argument("--log-protocol", action="store_true",
                   help="also log every command and reply to STATE/vsftpd.log")
    p.add_argument("--timeout", type=float, default=10.0,
                   help="seconds to wait for the 220 greeting")
    args = p.parse_args()

    if os.geteuid() != 0:
        fail("must run as root (vsftpd needs it for local-user logins)")
    if not os.access(VSFTPD, os.X_OK):
        fail("%s not found: run scripts/setup" % VSFTPD)
    try:
        user = pwd.getpwnam(args.user)
    except KeyError:
        fail("local user %r does not exist: run scripts/setup as root" % args.user)

    args.root = os.path.abspath(args.root)
    os.makedirs(args.root, exist_ok=True)
    # Open to everyone: the tests create files here as root and must be able
    # to handle what the user uploads, and the other way round.
    os.chmod(args.root, 0o777)
    if not user_can_use(args.root, user):
        fail("user %r cannot enter %s: every parent folder needs o+x"
             % (args.user, args.root))

    own_state = args.state is None
    state = os.path.abspath(args.state or tempfile.mkdtemp(prefix="vsftpd-run-"))
    os.makedirs(state, exist_ok=True)
    conf = os.path.join(state, "vsftpd.conf")
    out_path = os.path.join(state, "vsftpd.out")
    pasv = args.passive_ports or free_range()

    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)

    stopping = []

    def on_signal(signum, frame):
        stopping.append(signum)

    for s in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(s, on_signal)

    proc = None
    port = None
    try:
        # With an auto-picked port another process may grab it first; vsftpd
        # then exits at once ("could not bind") and we try another port.
        for attempt in range(5 if args.port == 0 else 1):
            port = args.port or free_port()
            write_config(conf, args, port, pasv, state)
            with open(out_path, "wb") as out:
                # vsftpd writes its fatal "500 OOPS" messages to fd 0 (its
                # control connection in inetd mode), so fd 0 goes to the
                # output file too, or the reason for a failure would be lost.
                proc = subprocess.Popen([VSFTPD, conf], stdin=out,
                                        stdout=out, stderr=subprocess.STDOUT,
                                        preexec_fn=set_child_death_signal)
            deadline = time.monotonic() + args.timeout
            ready = False
            while not stopping and time.monotonic() < deadline:
                if proc.poll() is not None:
                    break
                if answers_220(port):
                    ready = True
                    break
                time.sleep(0.05)
            if ready or stopping:
                break
            with open(out_path, "rb") as f:
                output = f.read().decode("utf-8", "replace").strip()
            if proc.poll() is None:
                fail("vsftpd did not answer 220 on 127.0.0.1:%d within %.0f s (%s)"
                     % (port, args.timeout, output or "no output"))
            if args.port == 0 and "bind" in output:
                continue
            fail("vsftpd exited with code %d: %s" % (proc.returncode, output or "no output"))
        else:
            fail("vsftpd could not bind a free port after several attempts")

        if stopping:
            return 0
        if args.ready_file:
            tmp = "%s.tmp.%d" % (args.ready_file, os.getpid())
            with open(tmp, "w") as f:
                f.write("%d\n" % port)
            os.replace(tmp, args.ready_file)

        while not stopping and proc.poll() is None:
            # Polled: the signal handler only sets a flag.
            time.sleep(0.5)
        if not stopping:
            with open(out_path, "rb") as f:
                output = f.read().decode("utf-8", "replace").strip()
            sys.stderr.write("vsftpd_run: vsftpd exited by itself with code %d: %s\n"
                             % (proc.returncode, output or "no output"))
            return 1
        return 0
    finally:
        stop_all_children()
        if args.ready_file:
            try:
                os.unlink(args.ready_file)
            except OSError:
                pass
        if own_state:
            subprocess.call(["rm", "-rf", state])


if __name__ == "__main__":
    sys.exit(main())
